// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/label.h"
#include "common/list_box.h"
#include "window_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

// A fresh window for every test, shown before it starts.
class WindowFixture : public ::testing::Test, public WindowDriver {
protected:
    void SetUp() override { ASSERT_TRUE(show()); }
};
