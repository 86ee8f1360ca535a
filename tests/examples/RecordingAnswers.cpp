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

void RecordingAnswers::addRows(const std::string& operation, VXMEObjectDataList* rows)
{
    Answer& answer = add(operation);
    if (!rows)
        return;
    for (VXMEObjectData* row : *rows)
        answer.rows.emplace_back(row);
    delete rows;
}

void RecordingAnswers::setColumns(VXStringList* names, VXStringList* titles)
{
    add("setColumns").names.reset(names);
    delete titles;
}

void RecordingAnswers::setRoot(VXMEObjectMessageData* root)
{
    add("setRoot").record.reset(root);
}

void RecordingAnswers::replaceSubtree(VXMEObjectMessageData* subtree)
{
    add("replaceSubtree").record.reset(subtree);
}

void RecordingAnswers::replaceList(VXMEObjectDataList* rows, const std::u16string& message)
{
    addRows("replaceList", rows);
    answers.back().text = message;
}

void RecordingAnswers::updatePendingData(VXMEObjectDataList* rows)
{
    addRows("updatePendingData", rows);
}

void RecordingAnswers::updateNodes(VXMEObjectDataList* rows)
{
    addRows("updateNodes", rows);
}

void RecordingAnswers::changeEditType(VXMEEditTypeData* editor)
{
    add("changeEditType").editor.reset(editor);
}

void RecordingAnswers::editListNodes(VXMEObjectDataList* rows)
{
    addRows("editListNodes", rows);
}

void RecordingAnswers::showDialog(const std::u16string& page)
{
    add("showDialog").text = page;
}

std::string RecordingAnswers::operations() const
{
    std::string out;
    for (const Answer& answer : answers)
        out += (out.empty() ? "" : " ") + answer.operation;
    return out;
}
