#pragma once

#include <functional>
#include <optional>

// The question a controller asks before it deletes a task that has not
// ended, with the host setting by which the user stops it being asked.
namespace NxDeleteQuestion
{

enum Service
{
    SpeechToText,
    TextToSpeech,
};

// Answers through the controller's sigAskDelete, which a modal box handles.
using Ask = std::function<void(bool& ret, bool& noTip)>;

// Whether a task may go: asked unless it has `ended` or the user turned the
// question off for `service`; a "do not ask again" answer is stored.
bool agreed(Service service, bool ended, const Ask& ask);

// The id of the task in table row `row` once its deletion is agreed;
// nothing for a row outside `rows` or a declined question. The id, not the
// record, is what is left to look the task up again with: the question's
// modal loop may move, remove or free it.
template <typename Rows, typename Ended>
std::optional<int> confirm(const Rows& rows, int row, Service service, Ended ended, const Ask& ask)
{
    const auto* task = rows.at(row);
    if (!task)
        return std::nullopt;
    const int taskId = task->taskId;
    if (!agreed(service, ended(task->status), ask))
        return std::nullopt;
    return taskId;
}

} // namespace NxDeleteQuestion
