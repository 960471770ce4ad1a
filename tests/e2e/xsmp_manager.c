/* A session manager of the X Session Management Protocol that serves one logoff to its clients.
 *
 * It listens, writes its address (the value for SESSION_MANAGER) to the file named by its first
 * argument, registers every client, and on SIGUSR1 asks each one to save itself for a shutdown
 * (save type "global" or "both", its second argument). A client that is done saving is told to
 * die. It reports on standard output, one line each: "registered", every property a client sets
 * ("property NAME VALUE", a CARD8 as its number, other values as text joined by spaces),
 * "save-yourself-done", "closed". It ends once the last client is gone after a logoff.
 */
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define MAX_FDS 32

static volatile sig_atomic_t logoff_requested = 0;
static int save_type = SmSaveGlobal;
static int clients = 0;
static int logoff_sent = 0;
static SmsConn conns[MAX_FDS];

static void on_usr1(int sig) {
    (void)sig;
    logoff_requested = 1;
}

static Status register_client(SmsConn conn, SmPointer data, char* previous_id) {
    (void)data;
    static int counter = 0;
    char* id = SmsGenerateClientID(conn);
    if (!id) {
        /* Without a network address: an id of the documented form, made up. */
        id = malloc(64);
        snprintf(id, 64, "1000000000000000000000000000000%d", ++counter);
    }
    free(previous_id);
    SmsRegisterClientReply(conn, id);
    free(id);
    printf("registered\n");
    return 1;
}

static void interact_request(SmsConn conn, SmPointer data, int dialog_type) {
    (void)data;
    (void)dialog_type;
    SmsInteract(conn);
}

static void interact_done(SmsConn conn, SmPointer data, Bool cancel) {
    (void)conn;
    (void)data;
    if (cancel)
        printf("cancelled\n");
}

static void save_yourself_request(SmsConn conn, SmPointer data, int type, Bool shutdown, int style,
                                  Bool fast, Bool global) {
    (void)conn, (void)data, (void)type, (void)shutdown, (void)style, (void)fast, (void)global;
}

static void save_yourself_phase2_request(SmsConn conn, SmPointer data) {
    (void)data;
    SmsSaveYourselfPhase2(conn);
}

static void save_yourself_done(SmsConn conn, SmPointer data, Bool success) {
    (void)data;
    printf("save-yourself-done %s\n", success ? "success" : "failure");
    fflush(stdout);
    SmsDie(conn);
}

static void forget(SmsConn conn) {
    for (int i = 0; i < MAX_FDS; ++i) {
        if (conns[i] == conn)
            conns[i] = NULL;
    }
    SmsCleanUp(conn);
}

/* The ICE connection is closed when its socket ends. */
static void close_connection(SmsConn conn, SmPointer data, int count, char** reasons) {
    (void)data;
    SmFreeReasons(count, reasons);
    printf("close-connection\n");
    forget(conn);
}

/* The default handler ends the program when a client goes away. */
static void io_error(IceConn conn) {
    (void)conn;
}

static void set_properties(SmsConn conn, SmPointer data, int count, SmProp** props) {
    (void)conn;
    (void)data;
    for (int i = 0; i < count; ++i) {
        printf("property %s", props[i]->name);
        for (int v = 0; v < props[i]->num_vals; ++v) {
            const SmPropValue* value = &props[i]->vals[v];
            if (strcmp(props[i]->type, SmCARD8) == 0 && value->length > 0)
                printf(" %d", *(unsigned char*)value->value);
            else
                printf(" %.*s", value->length, (char*)value->value);
        }
        printf("\n");
        SmFreeProperty(props[i]);
    }
    free(props);
    fflush(stdout);
}

static void delete_properties(SmsConn conn, SmPointer data, int count, char** names) {
    (void)conn;
    (void)data;
    for (int i = 0; i < count; ++i)
        free(names[i]);
    free(names);
}

static void get_properties(SmsConn conn, SmPointer data) {
    (void)data;
    SmsReturnProperties(conn, 0, NULL);
}

static Status new_client(SmsConn conn, SmPointer data, unsigned long* mask, SmsCallbacks* callbacks,
                         char** failure) {
    (void)data;
    (void)failure;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    callbacks->register_client.callback = register_client;
    callbacks->interact_request.callback = interact_request;
    callbacks->interact_done.callback = interact_done;
    callbacks->save_yourself_request.callback = save_yourself_request;
    callbacks->save_yourself_phase2_request.callback = save_yourself_phase2_request;
    callbacks->save_yourself_done.callback = save_yourself_done;
    callbacks->close_connection.callback = close_connection;
    callbacks->set_properties.callback = set_properties;
    callbacks->delete_properties.callback = delete_properties;
    callbacks->get_properties.callback = get_properties;
    for (int i = 0; i < MAX_FDS; ++i) {
        if (!conns[i]) {
            conns[i] = conn;
            break;
        }
    }
    return 1;
}

/* Every client on this machine is let in: the address is private to the test. */
static Bool any_host(char* host) {
    (void)host;
    return True;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: %s address-file [global|both]\n", argv[0]);
        return 2;
    }
    if (argc > 2 && strcmp(argv[2], "both") == 0)
        save_type = SmSaveBoth;
    setvbuf(stdout, NULL, _IOLBF, 0);
    signal(SIGUSR1, on_usr1);
    IceSetIOErrorHandler(io_error);

    char error[256];
    if (!SmsInitialize("pinleaf-test", "1.0", new_client, NULL, any_host, sizeof error, error)) {
        fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    int listen_count = 0;
    IceListenObj* listeners = NULL;
    if (!IceListenForConnections(&listen_count, &listeners, sizeof error, error)) {
        fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    for (int i = 0; i < listen_count; ++i)
        IceSetHostBasedAuthProc(listeners[i], any_host);
    char* address = IceComposeNetworkIdList(listen_count, listeners);
    FILE* f = fopen(argv[1], "w");
    if (!f)
        return 1;
    fprintf(f, "%s\n", address);
    fclose(f);
    free(address);

    IceConn open[MAX_FDS];
    int open_count = 0;
    for (;;) {
        if (logoff_requested && !logoff_sent) {
            logoff_sent = 1;
            for (int i = 0; i < MAX_FDS; ++i) {
                if (conns[i])
                    SmsSaveYourself(conns[i], save_type, True, SmInteractStyleAny, False);
            }
            printf("save-yourself %s\n", save_type == SmSaveBoth ? "both" : "global");
            fflush(stdout);
        }
        struct pollfd fds[MAX_FDS * 2];
        int n = 0;
        for (int i = 0; i < listen_count; ++i)
            fds[n++] = (struct pollfd){IceGetListenConnectionNumber(listeners[i]), POLLIN, 0};
        for (int i = 0; i < open_count; ++i)
            fds[n++] = (struct pollfd){IceConnectionNumber(open[i]), POLLIN, 0};
        if (poll(fds, n, 100) <= 0)
            continue;
        for (int i = 0; i < listen_count; ++i) {
            if (!(fds[i].revents & POLLIN) || open_count == MAX_FDS)
                continue;
            IceAcceptStatus status;
            IceConn conn = IceAcceptConnection(listeners[i], &status);
            if (conn && status == IceAcceptSuccess) {
                open[open_count++] = conn;
                ++clients;
            }
        }
        for (int i = listen_count; i < n; ++i) {
            if (!fds[i].revents)
                continue;
            IceConn conn = open[i - listen_count];
            const IceProcessMessagesStatus result = IceProcessMessages(conn, NULL, NULL);
            const IceConnectStatus status = IceConnectionStatus(conn);
            if (result == IceProcessMessagesSuccess &&
                (status == IceConnectAccepted || status == IceConnectPending))
                continue;
            for (int c = 0; c < MAX_FDS; ++c) {
                if (conns[c] && SmsGetIceConnection(conns[c]) == conn)
                    forget(conns[c]);
            }
            /* A connection that ICE closed itself is already gone. */
            if (result != IceProcessMessagesConnectionClosed) {
                IceSetShutdownNegotiation(conn, False);
                IceCloseConnection(conn);
            }
            open[i - listen_count] = NULL;
            --clients;
            printf("closed\n");
            fflush(stdout);
        }
        /* Drop the closed connections from the list. */
        int kept = 0;
        for (int i = 0; i < open_count; ++i) {
            if (open[i])
                open[kept++] = open[i];
        }
        open_count = kept;
        if (logoff_sent && clients == 0)
            return 0;
    }
}
