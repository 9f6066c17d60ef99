#include "gui/package/WebOutcomeMessages.h"

#include "texts/PackageTexts.h"
#include "ui/Interaction.h"

#include <QDir>

namespace lumidex {

void makeWebFolder(QWidget* owner, const WebOutcomeTexts& texts, int count,
    const std::function<package::WebOutcome(const package::WorkStep& step)>& work)
{
    package::WebOutcome outcome;
    {
        const std::unique_ptr<Progress> progress = interaction().startProgress(owner, texts.progress, count);
        outcome = work([&progress](int done) { return progress->advance(done); });
    }
    switch (outcome.status) {
    case package::WebOutcome::Status::Cancelled:
        interaction().message(owner, MessageKind::Information, texts.cancelled, Buttons::OkCancel);
        return;
    case package::WebOutcome::Status::Failed:
        interaction().message(owner, MessageKind::Error, texts.failed(outcome.cause.words()), Buttons::OkCancel);
        return;
    case package::WebOutcome::Status::Done:
        break;
    }
    const QString folder = QDir::toNativeSeparators(outcome.folder);
    if (interaction().message(owner, MessageKind::Confirmation, texts.done(folder), Buttons::YesNo) != Answer::Yes)
        return;
    if (!interaction().openFile(outcome.folder + QStringLiteral("/index.html")))
        interaction().message(owner, MessageKind::Warning, packagetext::webNotOpened(folder), Buttons::Ok);
}

} // namespace lumidex
