#include "NxServerCheck.h"

#include "INxBaseLog.h"
#include "NxSpeechServerClient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

NxServerCheck::NxServerCheck(NxSpeechServerClient& client, QString model)
    : m_client(client)
    , m_model(std::move(model))
{
}

NxServerCheck::~NxServerCheck()
{
    m_stop = true;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_thread.joinable())
        m_thread.join();
}

void NxServerCheck::start()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_running)
        return;
    if (m_thread.joinable())
        m_thread.join();
    m_running = true;
    m_thread = std::thread([this] {
        check();
        m_running = false;
    });
}

void NxServerCheck::check()
{
    using Outcome = NxSpeechServerClient::Outcome;
    const NxSpeechServerClient::Reply reply =
        m_client.send(NxSpeechServerClient::Request::get(QStringLiteral("/v1/models")), m_stop);
    if (reply.outcome == Outcome::Stopped)
        return;
    m_reachable = reply.outcome != Outcome::Unreachable && reply.outcome != Outcome::Refused
                  && reply.outcome != Outcome::Busy;
    if (reply.outcome != Outcome::Answered)
        return;
    QStringList offered;
    const QJsonArray models = QJsonDocument::fromJson(reply.body).object().value(QLatin1String("data")).toArray();
    for (const QJsonValue& model : models)
        offered.append(model.toObject().value(QLatin1String("id")).toString());
    if (!offered.isEmpty() && !offered.contains(m_model))
        NX_LOG_ERROR("The speech server offers no model \"%s\"; it offers: %s", qUtf8Printable(m_model),
                     qUtf8Printable(offered.join(QStringLiteral(", "))));
}
