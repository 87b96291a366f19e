#include "CPerson.h"

namespace {

// The default priority list, first the most wanted.
constexpr int kDefaultTasks[] = {2, 3, 4, 5, 6, 7, 9, 16, 11, 12, 14, 15, 18};

}  // namespace

void CPerson::InitTaskQueue()
{
    taskQueue.clear();
    for (int task : kDefaultTasks) {
        taskQueue.push_back(task_item{task, 1});
    }
}
