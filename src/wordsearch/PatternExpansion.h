#pragma once
// The word search's two user-defined shorthands: before compiling, each "@" becomes
// the At expansion and each "#" the Hash expansion. An empty expansion leaves its
// character in place (where it is a wildcard), and an escape pair ("\" and the next
// character) is copied as it stands, so "\@" stays a literal "@".

#include <string>
#include <string_view>

namespace tessaran {

std::string expandPattern(std::string_view text, std::string_view at, std::string_view hash);

}  // namespace tessaran
