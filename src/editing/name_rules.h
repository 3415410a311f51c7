#pragma once

#include <string>
#include <string_view>

namespace sced {

// Why no file of the mission could carry the name as a line of its own (a
// line break or another control character, a leading "#"); "" when it can.
std::string WhyNoFileCanCarry(std::string_view name);

// Why the pages file could not carry the text of a page: a line of it
// would begin with "#", as the line that starts a page does; "" when it can.
std::string WhyPageCannotCarry(std::string_view text);

// Why a page could not name the picture file in the pages file, whose
// line ends the file's name at a blank; "" when it can.
std::string WhyPageCannotName(std::string_view pictureFile);

// Why the script could not give the name back as written where it stands
// as an argument; "" when it can.
std::string WhyScriptCannotCarry(std::string_view name);

// The name stored for a dynamic group the designer typed: blanks become
// "_" and "_Dyn" follows.
std::string StoredDynGroupName(std::string_view typed);

}  // namespace sced
