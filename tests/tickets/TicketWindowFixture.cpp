#include "TicketWindowFixture.h"

#include "../charts/OpenedHistory.h"
#include "tickets/TicketFile.h"

#include <QFile>
#include <algorithm>
#include <numeric>
#include <random>

void TicketWindowFixture::Host::editTicketSet(const lottery::TicketEdit& edit, const QString&) {
    undo.push_back(set.Apply(edit));
    window->refreshSet();
}

QString TicketWindowFixture::Host::openTicketSet(const QString& file) {
    const lottery::TicketFileRead read =
        lottery::ReadTicketFile(QFile::encodeName(file).toStdString(), lottery.shape());
    if (!read.usable())
        return QString::fromStdString(read.error);
    path = file;
    saved = read.set;
    editTicketSet(set.EditToTake(read.set), {});
    return {};
}

QString TicketWindowFixture::Host::saveTicketSet(const QString& file) {
    try {
        lottery::WriteTicketFile(QFile::encodeName(file).toStdString(), set);
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
    path = file;
    saved = set;
    return {};
}

TicketWindowFixture::Host::Host(int draws, unsigned seed) {
    if (draws <= 0)
        return;
    std::mt19937 rng(seed);
    std::vector<lottery::DrawRecord> records;
    std::vector<std::uint8_t> numbers(49);
    std::iota(numbers.begin(), numbers.end(), 1);
    for (int i = 0; i < draws; ++i) {
        std::shuffle(numbers.begin(), numbers.end(), rng);
        records.push_back({numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]});
    }
    OpenDraws(lottery, records, {6, 49});
}

TicketWindowFixture::TicketWindowFixture(int draws, unsigned seed) : host(draws, seed) {
    host.window = &window;
}

void TicketWindowFixture::undoLast() {
    host.set.Apply(host.undo.back());
    host.undo.pop_back();
    window.refreshSet();
}
