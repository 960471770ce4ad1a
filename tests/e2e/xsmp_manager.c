/* A session manager of the X Session Management Protocol that serves its clients a list of
 * session events.
 *
 * It listens, writes its address (the value for SESSION_MANAGER) to the file named by its first
 * argument, and registers every client. Each SIGUSR1 sends every client the next event of the
 * list that the further arguments give (default: global):
 *   global, both, local   a logoff: a save of that type for a shutdown; a client done saving is
 *                         told to die
 *   checkpoint-global, checkpoint-both, checkpoint-local
 *                         a save of that type that is no shutdown; a client done saving is told
 *                         that the save is complete, and the session goes on
 *   die                   a logoff without any save: every client is told to die at once
 *   vanish                a logoff save (global); once a client is done, the manager ends
 *                         without a word, its connections breaking
 * It reports on standard output, one line each: "registered", every property a client sets
 * ("property NAME VALUE", a CARD8 as its number, other values as text joined by spaces),
 * "save-yourself TYPE shutdown|checkpoint", "save-yourself-done", "save-complete", "die",
 * "closed". After a logoff it ends once the last client is gone.
 */
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define MAX_FDS 32
#define MAX_EVENTS 16

struct event {
    const char* name;
    int type;
    Bool shutdown;
    Bool save; /* False: die at once */
    Bool vanish;
};

static const struct event known_events[] = {
    {"global", SmSaveGlobal, True, True, False},
    {"both", SmSaveBoth, True, True, False},
    {"local", SmSaveLocal, True, True, False},
    {"checkpoint-global", SmSaveGlobal, False, True, False},
    {"checkpoint-both", SmSaveBoth, False, True, False},
    {"checkpoint-local", SmSaveLocal, False, True, False},
    {"die", SmSaveGlobal, True, False, False},
    {"vanish", SmSaveGlobal, True, True, True},
};

static volatile sig_atomic_t requested = 0;
static const struct event* events[MAX_EVENTS];
static int event_count = 0;
static int events_sent = 0;
static const struct event* current = NULL;
static int clients = 0;
static int logoff_sent = 0;
static SmsConn conns[MAX_FDS];

static void on_usr1(int sig) {
    (void)sig;
    ++requested;
}

static const char* type_name(int type) {
    return type == SmSaveBoth ? "both" : type == SmSaveLocal ? "local" : "global";
}

static void send_event(const struct event* e) {
    current = e;
    if (e->shutdown)
        logoff_sent = 1;
    for (int i = 0; i < MAX_FDS; ++i) {
        if (!conns[i])
            continue;
        if (e->save)
            SmsSaveYourself(conns[i], e->type, e->shutdown, SmInteractStyleAny, False);
        else
            SmsDie(conns[i]);
    }
    if (e->save)
        printf("save-yourself %s %s\n", type_name(e->type),
               e->shutdown ? "shutdown" : "checkpoint");
    else
        printf("die\n");
    fflush(stdout);
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
    if (current && current->vanish) {
        printf("vanished\n");
        fflush(stdout);
        exit(0);
    }
    if (current && !current->shutdown) {
        SmsSaveComplete(conn);
        printf("save-complete\n");
        fflush(stdout);
        return;
    }
    SmsDie(conn);
    printf("die\n");
    fflush(stdout);
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
        fprintf(stderr, "usage: %s address-file [event...]\n", argv[0]);
        return 2;
    }
    const int names = argc > 2 ? argc - 2 : 1;
    for (int a = 0; a < names; ++a) {
        const char* name = argc > 2 ? argv[a + 2] : "global";
        const struct event* found = NULL;
        for (size_t k = 0; k < sizeof known_events / sizeof known_events[0]; ++k) {
            if (strcmp(known_events[k].name, name) == 0)
                found = &known_events[k];
        }
        if (!found || event_count == MAX_EVENTS) {
            fprintf(stderr, "unknown or too many events: %s\n", name);
            return 2;
        }
        events[event_count++] = found;
    }
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
        if (requested > events_sent && events_sent < event_count)
            send_event(events[events_sent++]);
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
