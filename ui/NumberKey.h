#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace ui {

// The key of a list entry that stands for a number (an item's store index, a day number): "x" and the
// number, x17. The lists take no keys that are numbers alone, so every such key carries the letter.
inline std::string numberKey(int number) {
    // The letter and at most eleven characters of an int, written in place as numberOfKey reads them.
    char key[12] = {'x'};
    return {key, std::to_chars(key + 1, key + sizeof key, number).ptr};
}

// The number in a key made by numberKey; 0 for a key that holds none.
inline int numberOfKey(std::string_view key) {
    int number = 0;
    if (!key.empty())
        std::from_chars(key.data() + 1, key.data() + key.size(), number);
    return number;
}

} // namespace ui
