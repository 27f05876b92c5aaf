#include "interaction/ErrorDialog.h"

#include "interaction/ErrorLog.h"
#include "interaction/Seams.h"
#include "interaction/SingleText.h"
#include "platform/RuntimeError.h"

namespace interaction {

namespace {

const QString explanationUnavailable = QStringLiteral("Traduzione non disponibile");
const QString logPrefix = QStringLiteral("ERRORE     ");

QString answerName(Answer answer)
{
    switch (answer) {
    case Answer::Abort:
        return QStringLiteral("Annulla");
    case Answer::Retry:
        return QStringLiteral("Riprova");
    case Answer::Ignore:
        return QStringLiteral("Ignora");
    default:
        return {};
    }
}

// The routine's own error handling: a failing statement runs once more, and a second error
// anywhere in the same call ends the routine.
class RetryOnce {
public:
    template <class Statement> bool run(Statement&& statement)
    {
        for (;;) {
            try {
                statement();
                return true;
            } catch (const platform::RuntimeError&) {
                if (++m_errors > 1)
                    return false;
            }
        }
    }

private:
    int m_errors = 0;
};

} // namespace

Answer ShowErrorDialog(const QString& procedureName, float errorNumber, QString& description)
{
    const QString received = description;
    const QString explanation = explanationUnavailable;
    description = explanation;
    const QString number = singleText(errorNumber);
    const QChar cr = QLatin1Char('\r');
    const QString text = QStringLiteral("Errore numero : ") + number + cr + received + cr + cr +
                         QStringLiteral("Spiegazione : ") + explanation + cr + cr + QStringLiteral("Durante ") +
                         procedureName + cr + cr;

    Answer answer = Answer::None;
    RetryOnce routine;
    const bool shown = routine.run([&] {
        answer = Seams::prompter().message(text, Buttons::AbortRetryIgnore, Icon::None, DefaultButton::Second,
                                           Seams::programTitle());
    });
    if (!shown)
        return answer;

    if (const ErrorLog* log = Seams::errorLog()) {
        log->WriteErrorLog(logPrefix +
                           QStringLiteral("--------- Inizio descrizione SITUAZIONE DI ERRORE -------------- "));
        log->WriteErrorLog(logPrefix + received);
        log->WriteErrorLog(logPrefix + QStringLiteral("Num: ") + number + QLatin1Char(' ') + explanation);
        log->WriteErrorLog(logPrefix + QStringLiteral("Durante ") + procedureName + QStringLiteral(" Risposto con ") +
                           answerName(answer));
        log->WriteErrorLog(logPrefix +
                           QStringLiteral("--------------------   Fine descrizione errori -------------- "));
    }
    return answer;
}

} // namespace interaction
