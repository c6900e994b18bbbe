#include <gtest/gtest.h>

#include <memory>

#include "form/calculate.h"
#include "form/session.h"
#include "tests/limits/report_checks.h"
#include "tests/support/limit_designs.h"

namespace korvex::limits {
namespace {

class NumericLimits : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        started = new form::Session;
        const auto error = form::start_session(*started, KORVEX_DATA_DIR, "limits");
        ASSERT_FALSE(error) << error->message;
    }
    static void TearDownTestSuite() {
        delete started;
        started = nullptr;
    }
    static form::Session* started;
};

form::Session* NumericLimits::started = nullptr;

TEST_F(NumericLimits, ExtremeDesignsCalculateAndDrawOnlyFiguresInsideTheSheet) {
    for (const testing::LimitDesign& design : testing::limit_designs()) {
        SCOPED_TRACE(design.name);
        auto session = std::make_unique<form::Session>(*started);
        testing::set_limit_design(*session, design);
        const auto refused = form::calculate(*session);
        ASSERT_FALSE(refused) << refused->text;
        EXPECT_EQ(session->inputs.spanCount, static_cast<int>(design.spans.size()));
        EXPECT_EQ(result_faults(*session), Faults{});
        EXPECT_EQ(drawn_report_faults(*session), Faults{});
    }
}

} // namespace
} // namespace korvex::limits
