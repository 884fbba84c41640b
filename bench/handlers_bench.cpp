// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules and the handlers at their heaviest: the whole mask discovery
// sweep, and in the real window (offscreen) the longest segment listing and a
// row click, each up to the repainted view.

#include "about/platform_system_services.h"
#include "app/main_window.h"
#include "common/control_table.h"
#include "common/list_box.h"
#include "common/text_box.h"
#include "discovery/discover_mask.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

void DiscoverMaskSweep(benchmark::State& state) {
    std::vector<QString> requests;
    for (int wanted = 0; wanted <= 70000; ++wanted)
        requests.push_back(QString::number(wanted));
    const QString classes[] = {QStringLiteral("B"), QStringLiteral("C")};
    for (auto _ : state) {
        for (const QString& ipClass : classes) {
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
    void show(const QString&, int, const QString&) override { ++shown; }
    int shown = 0;
};

// The real window in the Range Information view, with class B's heaviest
// mask typed: 254 segments.
class RangeWindow {
public:
    RangeWindow() : system_(makePlatformSystemServices()), window_(messages_, *system_) {
        window_.show();
        if (!QTest::qWaitForWindowExposed(&window_))
            throw std::runtime_error("the window was never shown");
        window_.findChild<QAction*>(QStringLiteral("menu_ViewRI"))->trigger();
        controlNamed<TextBox>(&window_, "txt_SubnetMask")
            ->setText(QStringLiteral("255.255.255.192"));
        view = controlNamed<QWidget>(&window_, "frm_View");
        list = controlNamed<ListBox>(&window_, "list_Range");
        calculate = controlNamed<QPushButton>(&window_, "cmd_Discover");
    }

    bool quiet() const { return messages_.shown == 0; }

    QWidget* view;
    ListBox* list;
    QPushButton* calculate;

private:
    CountingMessageBox messages_;
    std::unique_ptr<SystemServices> system_;
    MainWindow window_;
};

void HeaviestListingToPaintedList(benchmark::State& state) {
    RangeWindow window;
    for (auto _ : state) {
        QTest::mouseClick(window.calculate, Qt::LeftButton);
        window.view->repaint();
    }
    if (!window.quiet() || window.list->count() != 254)
        state.SkipWithError("the listing did not give 254 segments");
}
BENCHMARK(HeaviestListingToPaintedList)->Unit(benchmark::kMicrosecond);

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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
