#include "app/startcheck.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {
constexpr char Variable[] = "ZUNOV_START_CHECK";
constexpr int StatusClean = 0;
constexpr int StatusErrorShown = 1;
} // namespace

std::unique_ptr<StartCheck> StartCheck::fromEnvironment()
{
    if (qEnvironmentVariable(Variable) != QLatin1String("1"))
        return nullptr;
    return std::make_unique<StartCheck>();
}

StartCheck::StartCheck()
{
    m_previous = setMessageSink([this](MessageKind kind, const QString &text) {
        const bool error = kind == MessageKind::Error;
        if (error)
            ++m_errors;
        QTextStream(stderr) << "zunov: " << (error ? "chyba: " : "zpráva: ") << text << '\n';
    });
}

StartCheck::~StartCheck()
{
    setMessageSink(std::move(m_previous));
}

int StartCheck::finish() const
{
    QCoreApplication::processEvents();
    return m_errors > 0 ? StatusErrorShown : StatusClean;
}
