// The worker register with 10,000 workers: showing it, and adding, replacing and removing one
// worker while it is shown. Each step should stay well under a tenth of a second, so that the
// page answers a click at once.
#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QWidget>
#include <cstdio>
#include <string>

#include "app/pages/workers/workerform.h"
#include "app/pages/workers/workerlistmodel.h"
#include "app/pages/workers/workerlistview.h"
#include "core/rules/workers/workers.h"
#include "tests/support/fixtures.h"

using namespace tarnik;

namespace {

constexpr int kWorkers = 10000;

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Assessment a(dayNumberFromCivil(2004, 6, 15));
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kWorkers; ++i)
        PrDodajPrac(a, fixtures::numberedWorker(a.DTPOcena, i, kWorkers));
    std::printf("%d workers added to the register in sorted order: %.1f ms\n", kWorkers, ms(t));

    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    WorkerListModel model(a);
    auto* view = new WorkerListView(&window);
    view->setModel(&model);
    auto* form = new WorkerForm(a, &window);
    layout->addWidget(view);
    layout->addWidget(form);
    window.resize(780, 520);

    t.restart();
    model.reload();
    window.show();
    window.grab();
    std::printf("register shown and painted: %.1f ms\n", ms(t));

    t.restart();
    view->showEntry(kWorkers - 1);
    form->load(*model.recordAt(kWorkers - 1));
    window.grab();
    std::printf("last worker selected and loaded: %.1f ms\n", ms(t));

    t.restart();
    WorkerRecord edited = form->fields();
    edited.Ed402 = "Adamski";
    const WorkerStoreResult replaced = model.replace(kWorkers - 1, edited);
    view->showEntry(static_cast<int>(replaced.index));
    window.grab();
    std::printf("worker renamed and moved to its place: %.1f ms\n", ms(t));

    t.restart();
    const WorkerStoreResult added = model.add(fixtures::numberedWorker(a.DTPOcena, 5, kWorkers));
    view->showEntry(static_cast<int>(added.index));
    window.grab();
    std::printf("worker added: %.1f ms\n", ms(t));

    t.restart();
    model.remove(static_cast<int>(added.index));
    view->showEntry(-1);
    UpdateWorkers(a);
    window.grab();
    std::printf("worker removed and the counts recounted: %.1f ms\n", ms(t));
    return replaced.ok && added.ok && a.ListaPrac.size() == std::size_t(kWorkers) ? 0 : 1;
}
