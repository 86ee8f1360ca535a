#include "tests/examples/RecordingAnswers.h"

const VXMEObjectMessageData* RecordingAnswers::Answer::row(std::size_t i) const
{
    return i < rows.size() ? dynamic_cast<const VXMEObjectMessageData*>(rows[i].get()) : nullptr;
}

RecordingAnswers::Answer& RecordingAnswers::add(const std::string& operation)
{
    answers.emplace_back();
    answers.back().operation = operation;
    return answers.back();
}

RecordingAnswers::Answer& RecordingAnswers::addRows(
    const std::string& operation, VXMEObjectDataList* rows)
{
    Answer& answer = add(operation);
    if (!rows)
        return answer;
    for (VXMEObjectData* row : *rows)
        answer.rows.emplace_back(row);
    delete rows;
    return answer;
}

void RecordingAnswers::setColumns(VXStringList* names, VXStringList* titles)
{
    add("setColumns").names.reset(names);
    delete titles;
}

std::string RecordingAnswers::operations() const
{
    std::string out;
    for (const Answer& answer : answers)
        out += (out.empty() ? "" : " ") + answer.operation;
    return out;
}
