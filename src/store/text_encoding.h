// The byte encodings a store file may arrive in. We write UTF-8; the older Windows program wrote
// Windows-1252, so a value that is not valid UTF-8 is taken to be Windows-1252 and re-encoded.
// The choice is made for each line (one key and its value), not for the whole file.
//
//     vz::decodeStoreText("Caf\xE9")        // "Café" (UTF-8)
//     vz::utf8Prefix("Café au lait", 4)    // "Café"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vz {

bool isValidUtf8(std::string_view bytes);

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined map to the C1
// controls of the same number, so no byte is ever dropped.
std::string windows1252ToUtf8(std::string_view bytes);

// The file's bytes as UTF-8 text: leading UTF-8 byte-order marks are dropped; each line that is
// not valid UTF-8 is read as Windows-1252, the others are kept as they are. Line ends are kept.
std::string decodeStoreText(std::string_view bytes);

// Text as it may be written into a store: valid UTF-8 unchanged, anything else read as
// Windows-1252. One stray byte must not make the whole file read as Windows-1252 next time.
std::string toValidUtf8(std::string_view text);

// The first `count` code points of valid UTF-8 text (all of it when shorter).
std::string_view utf8Prefix(std::string_view text, std::size_t count);

} // namespace vz
