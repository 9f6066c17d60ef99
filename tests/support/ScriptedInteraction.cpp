#include "support/ScriptedInteraction.h"

#include <QDialog>

namespace lumidex::test {

ScriptedInteraction::ScriptedInteraction()
{
    installInteraction(this);
}

ScriptedInteraction::~ScriptedInteraction()
{
    installInteraction(nullptr);
}

QStringList ScriptedInteraction::messageTexts() const
{
    QStringList texts;
    for (const Message& m : m_messages)
        texts << m.text;
    return texts;
}

void ScriptedInteraction::clear()
{
    m_messages.clear();
    m_openRequests.clear();
    m_saveRequests.clear();
    m_shellCommands.clear();
    m_dialogClasses.clear();
    m_dialogsRun = 0;
}

Answer ScriptedInteraction::message(QWidget*, MessageKind kind, const QString& text, Buttons buttons)
{
    m_messages.append({ kind, text, buttons });
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

QString ScriptedInteraction::openFileName(QWidget*, const FileDialogRequest& request)
{
    m_openRequests.append(request);
    return m_openNames.isEmpty() ? QString() : m_openNames.dequeue();
}

QString ScriptedInteraction::saveFileName(QWidget*, const FileDialogRequest& request)
{
    m_saveRequests.append(request);
    return m_saveNames.isEmpty() ? QString() : m_saveNames.dequeue();
}

int ScriptedInteraction::runDialog(QDialog& dialog)
{
    ++m_dialogsRun;
    m_dialogClasses << QString::fromLatin1(dialog.metaObject()->className());
    if (m_dialogHandler)
        m_dialogHandler(dialog);
    return dialog.result();
}

void ScriptedInteraction::openWithShell(const QString& command)
{
    m_shellCommands << command;
}

} // namespace lumidex::test
