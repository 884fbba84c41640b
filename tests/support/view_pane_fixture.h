// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/control_table.h"
#include "common/shared_state.h"
#include "recording_message_box.h"

#include <QWidget>
#include <gtest/gtest.h>

// One view built into a pane of its own, without the window around it.
template <typename View>
class ViewPaneFixture : public ::testing::Test {
protected:
    QWidget* control(const char* name) const { return controlNamed<QWidget>(&pane, name); }

    QWidget pane;
    SharedState state;
    RecordingMessageBox messages;
    View view{&pane, state, messages};
};
