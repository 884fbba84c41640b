// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules and the handlers at their heaviest: the whole mask discovery
// sweep, and in the real window (offscreen) a segment listing and a row
// click, each up to the repainted view. Then the listings of the finest
// masks, which hold tens of thousands of rows, one line each: filling the
// list, a click on its last row and Copy All Segments.

#include "about/platform_system_services.h"
#include "app/main_window.h"
#include "common/control_table.h"
#include "common/list_box.h"
#include "common/text_box.h"
#include "discovery/discover_mask.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

void DiscoverMaskSweep(benchmark::State& state) {
    std::vector<QString> requests;
    for (int wanted = 0; wanted <= 70000; ++wanted)
        requests.push_back(QString::number(wanted));
    for (auto _ : state) {
        for (NetworkClass ipClass : {NetworkClass::B, NetworkClass::C}) {
            for (const QString& request : requests) {
                benchmark::DoNotOptimize(DiscoverMask(request, QString(), ipClass));
                benchmark::DoNotOptimize(DiscoverMask(QString(), request, ipClass));
            }
        }
    }
}
BENCHMARK(DiscoverMaskSweep)->Unit(benchmark::kMillisecond);

// Any message would mean the benchmark measures a refusal, not a listing.
class CountingMessageBox : public MessageBoxService {
public:
    void show(const QString&, MessageStyle, const QString&) override { ++shown; }
    int shown = 0;
};

// The real window in the Range Information view, with a class B mask typed.
class RangeWindow {
public:
    explicit RangeWindow(const QString& mask = QStringLiteral("255.255.255.0"))
        : system_(makePlatformSystemServices()), window_(messages_, *system_) {
        window_.show();
        if (!QTest::qWaitForWindowExposed(&window_))
            throw std::runtime_error("the window was never shown");
        window_.findChild<QAction*>(QStringLiteral("menu_ViewRI"))->trigger();
        controlNamed<TextBox>(&window_, "txt_SubnetMask")->setText(mask);
        view = controlNamed<QWidget>(&window_, "frm_View");
        list = controlNamed<ListBox>(&window_, "list_Range");
        calculate = controlNamed<QPushButton>(&window_, "cmd_Discover");
        for (QAction* action : list->findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("Copy &All Segments"))
                copyAll = action;
        }
    }

    bool quiet() const { return messages_.shown == 0; }

    QWidget* view;
    ListBox* list;
    QPushButton* calculate;
    QAction* copyAll = nullptr;

private:
    CountingMessageBox messages_;
    std::unique_ptr<SystemServices> system_;
    MainWindow window_;
};

void Listing254RowsToPaintedList(benchmark::State& state) {
    RangeWindow window;
    for (auto _ : state) {
        QTest::mouseClick(window.calculate, Qt::LeftButton);
        window.view->repaint();
    }
    if (!window.quiet() || window.list->count() != 254)
        state.SkipWithError("the listing did not give 254 segments");
}
BENCHMARK(Listing254RowsToPaintedList)->Unit(benchmark::kMicrosecond);

// Turns about between the first two rows: picking the selected row again
// would run nothing.
void RowClickToPaintedLabels(benchmark::State& state) {
    RangeWindow window;
    QTest::mouseClick(window.calculate, Qt::LeftButton);
    int row = 0;
    for (auto _ : state) {
        const QRect rowArea = window.list->visualItemRect(window.list->item(row));
        QTest::mouseClick(window.list->viewport(), Qt::LeftButton, {}, rowArea.center());
        window.view->repaint();
        row = 1 - row;
    }
    if (!window.quiet() || window.list->listIndex() != 1 - row)
        state.SkipWithError("the click did not pick the row");
}
BENCHMARK(RowClickToPaintedLabels)->Unit(benchmark::kMicrosecond);

// The median of five runs of a step, in milliseconds.
template <typename Step>
double medianMilliseconds(Step step) {
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

void printFinestListings() {
    for (const char* mask : {"255.255.255.254", "255.255.255.252", "255.255.255.248"}) {
        RangeWindow window(QString::fromLatin1(mask));
        const double listing = medianMilliseconds([&] {
            QTest::mouseClick(window.calculate, Qt::LeftButton);
            window.view->repaint();
        });
        const int rows = window.list->count();
        int row = rows - 1;
        const double click = medianMilliseconds([&] {
            window.list->scrollToItem(window.list->item(row));
            const QRect rowArea = window.list->visualItemRect(window.list->item(row));
            QTest::mouseClick(window.list->viewport(), Qt::LeftButton, {}, rowArea.center());
            window.view->repaint();
            row = row == rows - 1 ? rows - 2 : rows - 1;
        });
        const double copying = medianMilliseconds([&] { window.copyAll->trigger(); });
        if (!window.quiet() || rows == 0 ||
            QApplication::clipboard()->text().count(u'\n') != rows + 1) {
            std::printf("listing B %s: the list or its copy came out wrong\n", mask);
            continue;
        }
        std::printf("listing B %s: %d rows, %.1f ms\n", mask, rows, listing);
        std::printf("row click B %s: last rows, %.1f ms\n", mask, click);
        std::printf("Copy All Segments B %s: %d rows, %.1f ms\n", mask, rows, copying);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\n");
    printFinestListings();
    return 0;
}
