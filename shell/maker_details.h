#pragma once

#include <string_view>

// What the About window says about the product and its maker, in one place.
namespace vantrel::maker {

inline constexpr std::string_view kProductName = "Vantrel Calculator";
inline constexpr std::string_view kProductLine = "Desktop adding machine";
inline constexpr std::string_view kContactEmail = "support@vantrel.example.com";
inline constexpr std::string_view kWebAddress = "https://www.vantrel.example.com";
inline constexpr std::string_view kRightsNotice =
    "Copyright \u00a9 Vantrel Software Ltd. All rights reserved.";
inline constexpr std::string_view kPostalAddress =
    "Vantrel Software Ltd., 14 Ledger Lane, Fairhaven, EX 01234";
inline constexpr std::string_view kTelephones = "Telephone (212) 555-0142   Fax (212) 555-0143";

}  // namespace vantrel::maker
