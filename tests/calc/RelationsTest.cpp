#include "calc/Relations.h"

#include "tests/calc/CalcTestSupport.h"

namespace {

TEST(Relations, RelationsAndLogicThroughCalculate) {
    ExpectPanelResults(RelationRows);
}

TEST(Relations, ResolveRelationRewritesOnlyPlainNeighbours) {
    struct Row {
        std::string Term;
        std::string Operator;
        std::string Expected;
    };
    const std::vector<Row> Rows{
        {"(5<3=0)", "=", "(5<0)"}, {"(1=1=1)", "=", "(1)"}, {"(a=1)", "=", "(a=1)"},
        {"(2+2=4)", "=", "(2+0)"}, {"(P=0)", "=", "(1)"},   {"=1)", "=", "=1)"},
        {"(1>=1)", ">=", "(1)"},   {"(1=>2)", "=>", "(0)"}, {"(3<>3<>4)", "<>", "(1)"},
        {"(1E2=100)", "=", "(1)"}, {"(-1<0)", "<", "(1)"},  {"(1=)", "=", "(1=)"},
    };
    for (const auto& Row : Rows) {
        SCOPED_TRACE(Row.Term + " " + Row.Operator);
        std::string Term = Row.Term;
        MODULCalc::ResolveRelation(Term, Row.Operator);
        EXPECT_EQ(Term, Row.Expected);
    }
}

} // namespace
