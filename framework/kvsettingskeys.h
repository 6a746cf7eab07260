#pragma once

// Every settings-store name the library uses, in one place.
namespace kvui::settings {

constexpr const char* kOrganization = "Varnel Robotics";
constexpr const char* kApplication = "Lumo_Map";
constexpr const char* kGroup = "Settings";
constexpr const char* kDefaultPath = "DefaultPath";

constexpr const char* kAccountStore = "Varnel_clound";
constexpr const char* kAccountGroup = "UserInfo";
constexpr const char* kAccount = "Account";

} // namespace kvui::settings
