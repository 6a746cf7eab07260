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

namespace kvui::settings {

// Address of the camera and elevation web service ("http://host:port"), in the
// "Service" group of the settings store; the environment variable overrides it.
constexpr const char* kServiceGroup = "Service";
constexpr const char* kServiceAddress = "Address";
constexpr const char* kServiceAddressVariable = "KVUI_SERVICE_URL";
constexpr const char* kDefaultServiceAddress = "http://127.0.0.1:8642";

} // namespace kvui::settings
