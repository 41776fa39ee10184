#pragma once
// Messages the program composes itself exist in Chinese (Language 0) and
// English (every other language).
#include <string>

namespace pv {

inline const char* Localized(int language, const char* chinese, const char* english) {
    return language == 0 ? chinese : english;
}

}  // namespace pv
