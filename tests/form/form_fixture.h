#pragma once

// A main window state, alone or in its session, started on the small fixture
// data.

#include <gtest/gtest.h>

#include "form/initialise.h"
#include "form/input_form.h"
#include "form/session.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        const auto error = initialise_form(form, tables, folder.path(), "2.2");
        ASSERT_FALSE(error) << error->message;
    }

    korvex::testing::DataFolder folder;
    site::SiteTables tables;
    InputForm form;
};

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        const auto error = initialise_form(s.form, s.siteTables, folder.path(), "1.0");
        ASSERT_FALSE(error) << error->message;
    }

    korvex::testing::DataFolder folder;
    Session s;
};

} // namespace korvex::form
