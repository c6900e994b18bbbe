#include <gtest/gtest.h>

#include "run/design_checks.h"

namespace korvex::run {
namespace {

TEST(Allowables, StressAndJointCapacities) {
    EXPECT_EQ(allowable_stress(205, 1.0), 136.0);
    EXPECT_EQ(allowable_stress(205, 1.5), 205.0);
    EXPECT_EQ(allowable_stress(235, 1.0), 156.0);
    EXPECT_EQ(joint_capacity(1600, 1.5), 12000.0);
    EXPECT_EQ(joint_capacity(1120, 1.0), 5600.0);
}

// A two-span case with hand-set results, so each check can sit on its limit.
class CheckPageTest : public ::testing::Test {
protected:
    CheckPageTest() {
        inputs.sectionModulus = 1000.0;
        inputs.designStrength = 205;
        inputs.jointCapacityEnd = 1600;
        inputs.jointCapacityMid = 1120;
        run.stressFactor = 1.0;
        run.deflectionLimit = 250;
        model.n = 2;
        model.L = {2500, 2500, 0, 0};
        results.governingSpanLength = 2500;
        results.reactionV1 = 10;
        results.reactionV2 = 99999;
    }

    CheckPage check(calc::WindPass wind_pass = calc::WindPass::positive, double w_total = 800) {
        counters = {};
        return check_case({inputs, run, model, results, wind_pass, w_total, "G+P"}, counters);
    }

    calc::DesignInputs inputs;
    LoadCaseRun run;
    analysis::BeamModel model;
    analysis::CaseResults results;
    CheckCounters counters;
};

const CheckLine* find(const CheckPage& page, CheckKind kind) {
    for (const CheckLine& line : page.lines)
        if (line.kind == kind) return &line;
    return nullptr;
}

TEST_F(CheckPageTest, EveryComparisonIsStrict) {
    struct Case {
        double maxMoment, maxDeflection, v1, v2;
        bool ok; // all four checks
    };
    // Long-term: f_a 136, L/250 = 10, C_end 8000, C_mid 5600.
    for (const Case c :
         {Case{136000, 10.0, -8000, -5600, false}, Case{135999, 9.99, -7999.9, -5599.9, true}}) {
        results.maxMoment = c.maxMoment;
        results.maxDeflection = c.maxDeflection;
        results.reactionV1 = c.v1;
        results.reactionV2 = c.v2;
        const CheckPage page = check();
        ASSERT_EQ(page.lines.size(), 4u);
        for (const CheckLine& line : page.lines)
            EXPECT_EQ(line.ok, c.ok) << check_kind_name(line.kind);
        const int ng = c.ok ? 0 : 1;
        EXPECT_EQ(counters.stress, ng);
        EXPECT_EQ(counters.deflection, ng);
        EXPECT_EQ(counters.joint, 2 * ng);
    }
    // sigma is truncated at 0.1 before the comparison: 135.99 reads 135.9.
    results.maxMoment = 135999;
    EXPECT_EQ(check().sigma, 135.9);
}

TEST_F(CheckPageTest, NoJointCheckWithoutUplift) {
    results.reactionV1 = 0.0;
    results.reactionV2 = 99999;
    const CheckPage page = check();
    EXPECT_EQ(page.lines.size(), 2u);
    EXPECT_EQ(find(page, CheckKind::jointEnd), nullptr);
    EXPECT_EQ(find(page, CheckKind::jointMid), nullptr);
    EXPECT_EQ(page.cantilever.present, false);
}

TEST_F(CheckPageTest, ShortTermAllowanceFollowsTheCaseNotItsText) {
    run.stressFactor = 1.5;
    run.deflectionLimit = 180;
    const CheckPage page = check();
    EXPECT_FALSE(page.longTermAllowable);
    EXPECT_EQ(page.allowable.fA, 205.0);
    EXPECT_DOUBLE_EQ(page.deflectionAllowance, 2500.0 / 180);
}

TEST_F(CheckPageTest, BothCantileversExamineTheLargerMoment) {
    model.cantileverLeft = 500;
    model.cantileverRight = 500;
    results.cantileverMomentSamples[1] = {150000, 50000, analysis::kSampleEnd};
    results.cantileverDeflectionSamples[1] = {0.0, -0.5, -1.2, analysis::kSampleEnd};
    struct Case {
        double left, right;
        int side;
        const char* message;
    };
    const Case cases[] = {
        {-200000, 200000, kLeftSide, ""},
        {-300000, 200000, kLeftSide, "  応力がより大きい 左側はね出し部について検討を行う。"},
        {-100000, 200000, kRightSide, "  応力がより大きい 右側はね出し部について検討を行う。"},
    };
    for (const Case& c : cases) {
        results.cantileverCheckMoment = {c.left, c.right};
        const CheckPage page = check();
        EXPECT_EQ(page.cantilever.side, c.side);
        EXPECT_EQ(page.cantilever.sideMessage, c.message);
    }
    // The right side: the first moment ordinate, truncated sigma, last deflection ordinate.
    const CantileverCheck& right = check().cantilever;
    EXPECT_EQ(right.M, 150000.0);
    EXPECT_EQ(right.sigma, 150.0);
    EXPECT_EQ(right.delta, 1.2);
    EXPECT_EQ(right.a, 500.0);
}

TEST_F(CheckPageTest, CantileverChecksOfTheLeftSide) {
    model.cantileverLeft = 600;
    model.w[0] = -1.0;
    model.q[0][0] = -0.5;
    model.overhangLoad[0] = -1.0 - 0.5; // the end span's load
    results.cantileverDeflectionSamples[0] = {-2.3, -1.0, analysis::kSampleEnd};
    results.cantileverCheckMoment[0] = 250000.0;
    results.cantileverCheckDeflection[0] = 3.5;
    results.reactionV1 = -100;

    // Positive pass: the root moment |p a² / 2| and the tip ordinate; V = W a / 1000.
    CheckPage page = check(calc::WindPass::positive, 800);
    const CantileverCheck& c = page.cantilever;
    EXPECT_FALSE(c.wallPressure);
    EXPECT_DOUBLE_EQ(c.M, 1.5 * 600 * 600 / 2);
    EXPECT_DOUBLE_EQ(c.sigma, 270.0); // not truncated on the left
    EXPECT_EQ(c.delta, 2.3);
    EXPECT_DOUBLE_EQ(c.V, 800 * 600 * 0.001);
    EXPECT_DOUBLE_EQ(page.table.leftCantileverForce, 480.0);
    ASSERT_NE(find(page, CheckKind::cantileverStress), nullptr);
    EXPECT_FALSE(find(page, CheckKind::cantileverStress)->ok);
    EXPECT_TRUE(find(page, CheckKind::cantileverDeflection)->ok); // 2.3 < 600/250
    EXPECT_TRUE(find(page, CheckKind::cantileverJoint)->ok);

    // Derived suction: the wall pressure moment, deflection and joint force.
    model.edgeLoad[0] = 2.0;
    model.overhangLoad[0] = 2.0 - 0.5; // the edge load and the snow share
    page = check(calc::WindPass::negative, -1100);
    EXPECT_TRUE(page.cantilever.wallPressure);
    EXPECT_EQ(page.cantilever.M, -250000.0);
    EXPECT_EQ(page.cantilever.delta, 3.5);
    EXPECT_DOUBLE_EQ(page.cantilever.V, (2.0 - 0.5) * 600);
    EXPECT_FALSE(find(page, CheckKind::cantileverDeflection)->ok); // 3.5 > 2.4

    // Direct input in suction keeps the positive-pass figures.
    inputs.directLoadInput = true;
    page = check(calc::WindPass::negative, -1100);
    EXPECT_FALSE(page.cantilever.wallPressure);
    EXPECT_DOUBLE_EQ(page.cantilever.V, -1100 * 600 * 0.001);
}

TEST_F(CheckPageTest, OnlyARightCantileverHasNoJointForce) {
    model.cantileverRight = 400;
    results.reactionV1 = -100;
    const CheckPage page = check(calc::WindPass::positive, 900);
    EXPECT_EQ(page.cantilever.side, kRightSide);
    EXPECT_EQ(page.cantilever.sideMessage, "");
    EXPECT_EQ(page.cantilever.V, 0.0);
    EXPECT_TRUE(find(page, CheckKind::cantileverJoint)->ok);
}

TEST(Verdict, NamesEachFailedKindInOrder) {
    EXPECT_EQ(verdict_text({}), "                     全てＯＫです ");
    EXPECT_EQ(verdict_text({1, 0, 2}),
              "　　　「応力がNGです」「接合部がNGです」 ---設計仕様変更が必要です。");
    EXPECT_EQ(verdict_text({0, 3, 0}), "　　　「たわみがNGです」 ---設計仕様変更が必要です。");
}

} // namespace
} // namespace korvex::run
