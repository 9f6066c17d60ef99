#include "common/SideBySide.h"

#include <QThread>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace lumidex::sidebyside {

void forEachIndex(qsizetype count, const std::function<void(qsizetype index)>& work)
{
    std::atomic<qsizetype> next { 0 };
    const auto takeInTurn = [&] {
        for (qsizetype index = next++; index < count; index = next++)
            work(index);
    };
    const qsizetype helpers = qMin<qsizetype>(qMax(1, QThread::idealThreadCount()), count) - 1;
    std::vector<std::jthread> threads;
    threads.reserve(std::size_t(qMax<qsizetype>(0, helpers)));
    for (qsizetype i = 0; i < helpers; ++i) {
        try {
            threads.emplace_back(takeInTurn);
        } catch (const std::system_error&) {
            // The system has no thread to give: this one does the rest.
            break;
        }
    }
    takeInTurn();
}

} // namespace lumidex::sidebyside
