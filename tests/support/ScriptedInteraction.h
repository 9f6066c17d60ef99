#pragma once

#include "app/Interaction.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

namespace lumidex::test {

// Stands in for the user in tests: records every message exactly, answers from a
// queue, hands out prepared file names and runs a test's callback where a real
// dialog would wait for the user. Installs itself for its lifetime.
class ScriptedInteraction : public Interaction {
public:
    struct Message {
        MessageKind kind;
        QString text;
        Buttons buttons;
    };

    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // Answers given to the next messages, in order. An empty queue answers
    // Yes to questions and Ok to everything else.
    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    // File names the next file dialogs return; an empty queue means Cancel.
    void queueOpenFileName(const QString& name) { m_openNames.enqueue(name); }
    void queueSaveFileName(const QString& name) { m_saveNames.enqueue(name); }
    // Called on every dialog run through the interaction, in place of exec().
    void onDialog(std::function<void(QDialog&)> handler) { m_dialogHandler = std::move(handler); }

    const QList<Message>& messages() const { return m_messages; }
    QStringList messageTexts() const;
    const QList<FileDialogRequest>& openRequests() const { return m_openRequests; }
    const QList<FileDialogRequest>& saveRequests() const { return m_saveRequests; }
    const QStringList& shellCommands() const { return m_shellCommands; }
    int dialogsRun() const { return m_dialogsRun; }
    // Class names of the dialogs run so far, in order.
    const QStringList& dialogClasses() const { return m_dialogClasses; }
    void clear();

    Answer message(QWidget* parent, MessageKind kind, const QString& text, Buttons buttons) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    int runDialog(QDialog& dialog) override;
    void openWithShell(const QString& command) override;

private:
    QQueue<Answer> m_answers;
    QQueue<QString> m_openNames;
    QQueue<QString> m_saveNames;
    std::function<void(QDialog&)> m_dialogHandler;
    QList<Message> m_messages;
    QList<FileDialogRequest> m_openRequests;
    QList<FileDialogRequest> m_saveRequests;
    QStringList m_shellCommands;
    QStringList m_dialogClasses;
    int m_dialogsRun = 0;
};

} // namespace lumidex::test
