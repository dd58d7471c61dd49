#pragma once
// SHA-256 digests of the input files, so that a result can be traced to the
// exact files it was computed from.
#include <string>
#include <string_view>

namespace zelvan::batch {

std::string sha256_hex(std::string_view data);  // lower-case hexadecimal digest
std::string file_sha256(const std::string& path);  // empty when the file cannot be read

}  // namespace zelvan::batch
