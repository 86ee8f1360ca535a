#pragma once

#include "engine/modelexplorer/VXMEEditTypeData.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "examples/vxdemo/explorer/ExplorerAnswers.h"
#include "vrix/VXStringList.h"

#include <memory>
#include <string>
#include <vector>

/// Keeps every answer the demo host gives, in order, and frees them with itself.
class RecordingAnswers : public ExplorerAnswers {
public:
    /// One answer: which operation, and what it carried.
    struct Answer {
        std::string operation;
        std::unique_ptr<VXMEObjectMessageData> record;
        std::vector<std::unique_ptr<VXMEObjectData>> rows;
        std::unique_ptr<VXMEEditTypeData> editor;
        std::unique_ptr<VXStringList> names;
        std::u16string text;

        /// Row `i` as a row record (null when it is a bare record).
        const VXMEObjectMessageData* row(std::size_t i) const
        {
            return i < rows.size() ? dynamic_cast<const VXMEObjectMessageData*>(rows[i].get())
                                   : nullptr;
        }
    };

    void setColumns(VXStringList* names, VXStringList* titles) override
    {
        add("setColumns").names.reset(names);
        delete titles;
    }
    void setRoot(VXMEObjectMessageData* root) override { add("setRoot").record.reset(root); }
    void replaceSubtree(VXMEObjectMessageData* subtree) override
    {
        add("replaceSubtree").record.reset(subtree);
    }
    void replaceList(VXMEObjectDataList* rows, const std::u16string& message) override
    {
        addRows("replaceList", rows).text = message;
    }
    void updatePendingData(VXMEObjectDataList* rows) override
    {
        addRows("updatePendingData", rows);
    }
    void updateNodes(VXMEObjectDataList* rows) override { addRows("updateNodes", rows); }
    void changeEditType(VXMEEditTypeData* editor) override
    {
        add("changeEditType").editor.reset(editor);
    }
    void editListNodes(VXMEObjectDataList* rows) override { addRows("editListNodes", rows); }
    void showDialog(const std::u16string& page) override { add("showDialog").text = page; }
    void showContentsOf(UDInterface*, const std::u16string& path) override
    {
        add("showContentsOf").text = path;
    }

    std::vector<Answer> answers;
    std::string operations() const
    {
        std::string out;
        for (const Answer& answer : answers)
            out += (out.empty() ? "" : " ") + answer.operation;
        return out;
    }
    const Answer& last() const { return answers.back(); }
    void clear() { answers.clear(); }

private:
    Answer& add(const std::string& operation)
    {
        answers.emplace_back();
        answers.back().operation = operation;
        return answers.back();
    }
    Answer& addRows(const std::string& operation, VXMEObjectDataList* rows)
    {
        Answer& answer = add(operation);
        if (rows)
            for (VXMEObjectData* row : *rows)
                answer.rows.emplace_back(row);
        delete rows;
        return answer;
    }
};
