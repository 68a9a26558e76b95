// What a container editor answers: a status from corvane.h plus the comment read or the edit planned.
#pragma once

#include "commentlib/corvane.h"
#include "commentlib/edit_plan.h"
#include "commentlib/fields/caption_fields.h"

#include <string>

namespace corvane {

struct ReadResult {
    ReadResult(int32_t status = CORVANE_OK, std::string text = {}, std::vector<CaptionField> fields = {})
        : status(status), text(std::move(text)), fields(std::move(fields))
    {
    }

    int32_t status;
    std::string text;
    std::vector<CaptionField> fields; // every field read, in reading order
};

struct PlanResult {
    PlanResult(int32_t status = CORVANE_OK, EditPlan plan = EditPlan{}, int32_t notice = CORVANE_OK)
        : status(status), plan(std::move(plan)), notice(notice)
    {
    }

    int32_t status;
    EditPlan plan;
    int32_t notice; // CORVANE_PARTIAL when the plan leaves a caption field without the text
};

inline ReadResult readFailure(int32_t status)
{
    return {status};
}
inline PlanResult planFailure(int32_t status)
{
    return {status};
}

}
