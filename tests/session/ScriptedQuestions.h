#pragma once

#include "session/SessionQuestions.h"
#include "session/TableExport.h"

#include <deque>
#include <vector>

// Answers the session's questions from a script and records what it was asked. Every list
// that runs out answers No, or cancels.
class ScriptedQuestions : public session::SessionQuestions, public session::TicketSetQuestions {
public:
    bool saveChangesFirst(bool exiting) override {
        asked.push_back(exiting ? "save before exit" : "save");
        return next(saveAnswers, false);
    }
    std::optional<lottery::LotteryShape> shapeOfNewLottery() override {
        asked.push_back("shape");
        return next(shapes, std::optional<lottery::LotteryShape>());
    }
    std::optional<QString> fileToOpen() override {
        asked.push_back("open");
        return pathOrCancel(next(openPaths, QString()));
    }
    // A table's name is saved with the table filter when it is offered.
    std::optional<session::SaveTarget> fileToSave(const session::SaveProposal& proposal) override {
        asked.push_back("save as");
        proposals.push_back(proposal);
        const std::optional<QString> path = pathOrCancel(next(savePaths, QString()));
        if (!path)
            return std::nullopt;
        return session::SaveTarget{*path, !proposal.databaseOnly && session::IsTablePath(*path)};
    }
    std::optional<lottery::DrawTable> tableReading(const QString& /*path*/) override {
        asked.push_back("table");
        return next(readings, std::optional<lottery::DrawTable>());
    }
    session::TableUpdate tableUpdate(std::size_t /*alreadyThere*/,
                                     std::size_t /*newDraws*/) override {
        asked.push_back("only new");
        return next(updateAnswers, session::TableUpdate::Cancel);
    }
    void noNewDraws() override { asked.push_back("no new"); }
    session::SaveAnswer saveTicketSetFirst(const session::UnsavedTicketSet& /*set*/) override {
        asked.push_back("save set");
        return next(setAnswers, session::SaveAnswer::Cancel);
    }
    std::optional<QString> ticketSetFileToSave(const session::UnsavedTicketSet& /*set*/) override {
        asked.push_back("save set as");
        return pathOrCancel(next(setPaths, QString()));
    }

    std::deque<bool> saveAnswers;
    std::deque<std::optional<lottery::LotteryShape>> shapes;
    std::deque<QString> openPaths; // an empty path cancels the dialog
    std::deque<QString> savePaths;
    std::deque<std::optional<lottery::DrawTable>> readings;
    std::deque<session::TableUpdate> updateAnswers;
    std::deque<session::SaveAnswer> setAnswers;
    std::deque<QString> setPaths;
    std::vector<const char*> asked;
    std::vector<session::SaveProposal> proposals;

private:
    static std::optional<QString> pathOrCancel(const QString& path) {
        return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    }
    template <typename T> static T next(std::deque<T>& script, T otherwise) {
        if (script.empty())
            return otherwise;
        T answer = std::move(script.front());
        script.pop_front();
        return answer;
    }
};
