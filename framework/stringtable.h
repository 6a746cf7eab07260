#pragma once

namespace kvui {

// Registers the constant strings 101-188 with the foundation library
// (KvConstStringFactory): as written, or with translated each in the
// application's current language. Runs as written when the library is loaded.
void RegisterConstStrings(bool translated);

} // namespace kvui
