#include "net/Server.h"

#include <QCoreApplication>

#include <new>

CServer theServer;

namespace {

void Notify(QObject* window, QEvent::Type type, CClient* client = nullptr)
{
    if (window != nullptr)
        QCoreApplication::postEvent(window, new CClientNotifyEvent(type, client));
}

}  // namespace

CClient::~CClient()
{
    CloseStreams();
}

void CClient::OnReceive(int errorCode)
{
    CMySocket::OnReceive(errorCode);
    Notify(m_pNotifyWnd, WM_CLIENT_RECEIVE, this);
}

CServer::~CServer()
{
    RemoveClient(nullptr);
    m_clients.clear();
}

void CServer::OnAccept(int errorCode)
{
    CMySocket::OnAccept(errorCode);
    AcceptClient();
    Notify(m_pNotifyWnd, WM_CLIENT_ACCEPT);
}

HRESULT CServer::AcceptClient()
{
    auto* client = new (std::nothrow) CClient;
    if (client == nullptr)
        return E_FAIL;
    client->m_clock = m_clock;
    if (!Accept(*client)) {
        delete client;
        return E_FAIL;
    }
    if (m_pNotifyWnd != nullptr) {
        client->m_pNotifyWnd = m_pNotifyWnd;
        client->Open(modeAccepted);
    }
    m_clients.append(client);
    return S_OK;
}

HRESULT CServer::RemoveClient(CClient* target)
{
    for (qsizetype i = 0; i < m_clients.size();) {
        CClient* client = m_clients.at(i);
        if (target != nullptr && client != target) {
            ++i;
            continue;
        }
        m_clients.removeAt(i);
        client->SendRecord(&kFarewellRecord);
        delete client;
        if (target != nullptr)
            break;
    }
    Notify(m_pNotifyWnd, WM_CLIENT_REMOVE);
    return S_OK;
}
