#pragma once
// The message server: a listening socket that accepts every connection into a
// CClient of its own, and the notifications both post to a window.

#include "net/MySocket.h"

#include <QEvent>
#include <QList>
#include <QPointer>

class CClient;

// Notifications posted to the window of a server or client.
inline constexpr QEvent::Type WM_CLIENT_RECEIVE = static_cast<QEvent::Type>(0x81DB);  // a client had input
inline constexpr QEvent::Type WM_CLIENT_ACCEPT = static_cast<QEvent::Type>(0x81DC);   // the server had a connection waiting
inline constexpr QEvent::Type WM_CLIENT_REMOVE = static_cast<QEvent::Type>(0x81DD);   // RemoveClient has run

// A posted notification. m_pClient is the client for WM_CLIENT_RECEIVE, null
// for the other two; it stays valid only while the client is in its server's list.
class CClientNotifyEvent : public QEvent
{
public:
    explicit CClientNotifyEvent(QEvent::Type type, CClient* client = nullptr)
        : QEvent(type), m_pClient(client)
    {
    }

    CClient* m_pClient;
};

// The record sent to a client just before its server deletes it: all 40 bytes
// zero, so its first 32-bit word is 0.
inline constexpr MessageRecord kFarewellRecord{};

// One accepted connection. Receives records as CMySocket does and posts
// WM_CLIENT_RECEIVE after every receive notification.
class CClient : public CMySocket
{
    Q_OBJECT

public:
    CClient() = default;
    ~CClient() override;

    // The CMySocket receive notification, then WM_CLIENT_RECEIVE to the window,
    // whether or not a record was queued.
    void OnReceive(int errorCode) override;

    QPointer<QObject> m_pNotifyWnd;  // not owned; set by the server that accepted this client
};

// The listening socket. Open it with modeListen; it then accepts every
// connection into a new CClient that it lists and owns.
class CServer : public CMySocket
{
    Q_OBJECT

public:
    CServer() = default;
    // Removes every client (each gets the farewell record), then closes.
    ~CServer() override;

    // Accepts the waiting connection, then posts WM_CLIENT_ACCEPT to the window,
    // also when accepting failed.
    void OnAccept(int errorCode) override;

    // Accepts the waiting connection into a new client and lists it. With a
    // window the client is opened and notifies that window; without one it is
    // listed but not opened, so it reads nothing and cannot be sent to. E_FAIL
    // when no connection could be accepted.
    HRESULT AcceptClient();

    // Takes out and deletes every client (target null) in list order, or only
    // the first entry that holds target, sending each the farewell record
    // first. Then posts WM_CLIENT_REMOVE to the window, also when target was not
    // listed. Always S_OK.
    HRESULT RemoveClient(CClient* target);

    QPointer<QObject> m_pNotifyWnd;  // not owned; nothing is posted while null
    QList<CClient*> m_clients;       // owned, in order of acceptance
};

// The application's server. It is never opened: it holds no socket, accepts
// nothing and posts nothing, and its destruction at exit touches no socket.
extern CServer theServer;
