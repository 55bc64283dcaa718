#pragma once

#include <string>
#include <string_view>

namespace MODULCalc {

// Replaces every "a Operator b" whose operands are runs of number characters by "1" or "0". The operands
// are read as they stand, so "P" reads as 0 here.
void ResolveRelation(std::string& Term, std::string_view Operator);

// The closing stage of a pass: the relational operators, then the textual rewriting of the logical
// keywords.
void ResolveRelationsAndLogic(std::string& Term);

} // namespace MODULCalc
