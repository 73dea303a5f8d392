// The maker's contact details, in the one place a distributor changes them: the about box's
// labels, its scrolling message and its web button all read them from here.
//
//     std::string line = std::string(vz::contact::Telephone) + " voice";
#pragma once

#include <string_view>

namespace vz::contact {

constexpr std::string_view MakerName = "Dozazar Irudizidudo";
constexpr std::string_view PostalBox = "P.O. Box 1234";
constexpr std::string_view TownLine = "Anytown, ST 00000";
constexpr std::string_view Telephone = "(555) 010-0100";
constexpr std::string_view Fax = "(555) 010-0101";
// The home page's name as the buttons call it, its host, and the address the browser opens.
constexpr std::string_view HomePageName = "Velmora";
constexpr std::string_view HomePageHost = "www.velmora.example";
constexpr std::string_view HomePageAddress = "http://www.velmora.example/";

} // namespace vz::contact
