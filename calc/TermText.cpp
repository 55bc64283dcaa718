#include "calc/TermText.h"

#include <algorithm>

namespace MODULCalc {

void ReplaceAll(std::string& Text, std::string_view Find, std::string_view Replace) {
    if (Find.empty() || Text.find(Find) == std::string::npos) {
        return;
    }
    // Restarting the search from the first character after every replacement finds, each time, the
    // occurrence that ends first. Nothing before it can hold a whole occurrence, so the same result comes
    // from one sweep that keeps the finished text in Done and pushes each replacement back onto the
    // unread input, which stays linear however many replacements there are.
    std::string Done;
    Done.reserve(Text.size());
    std::string Pending(Text.rbegin(), Text.rend());
    while (!Pending.empty()) {
        Done.push_back(Pending.back());
        Pending.pop_back();
        if (Done.size() >= Find.size() && std::string_view(Done).substr(Done.size() - Find.size()) == Find) {
            Done.resize(Done.size() - Find.size());
            Pending.append(Replace.rbegin(), Replace.rend());
        }
    }
    Text = std::move(Done);
}

bool IsEmptyOperand(std::string_view Operand) {
    return std::all_of(Operand.begin(), Operand.end(), IsEmptyOperandChar);
}

std::string_view TrimBlanks(std::string_view Text) {
    const auto First = Text.find_first_not_of(' ');
    if (First == std::string_view::npos) {
        return {};
    }
    return Text.substr(First, Text.find_last_not_of(' ') - First + 1);
}

std::string ToUpperAscii(std::string_view Text) {
    std::string Upper(Text);
    for (char& C : Upper) {
        if (C >= 'a' && C <= 'z') {
            C = static_cast<char>(C - 'a' + 'A');
        }
    }
    return Upper;
}

} // namespace MODULCalc
