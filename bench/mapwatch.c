/* Starts a program and reports how long it took until each of its N top-level windows was mapped
 * and then drawn into (a damage report on the window, seen from outside the process), the CPU the
 * program had used by then, its peak resident memory once they were all up, and how long it took
 * to end after SIGTERM (the logoff: the program writes its notes before it exits).
 * Usage: mapwatch N program [args...]
 * Prints: "<wall ms until drawn> <cpu ms until drawn> <peak kB> <logoff ms>". */
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static long status_kb(pid_t pid, const char* key) {
    char path[64], line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    const size_t n = strlen(key);
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, n) == 0 && sscanf(line + n, " %ld", &kb) == 1)
            break;
    fclose(f);
    return kb;
}

/* CPU time of all the process's threads so far, in milliseconds (the scheduler's nanosecond
 * figures: clock ticks are too coarse for a small start-up). */
static double cpu_ms(pid_t pid) {
    char path[320];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* dir = opendir(path);
    if (!dir)
        return -1;
    unsigned long long total = 0;
    struct dirent* t;
    while ((t = readdir(dir))) {
        if (t->d_name[0] == '.')
            continue;
        snprintf(path, sizeof path, "/proc/%d/task/%s/schedstat", (int)pid, t->d_name);
        FILE* f = fopen(path, "r");
        unsigned long long ns = 0;
        if (f && fscanf(f, "%llu", &ns) == 1)
            total += ns;
        if (f)
            fclose(f);
    }
    closedir(dir);
    return total / 1e6;
}

#define MAXWIN 4096

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: mapwatch N program [args...]\n");
        return 2;
    }
    const int want = atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "mapwatch: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_damage_id);
    if (!ext || !ext->present) {
        fprintf(stderr, "mapwatch: no DAMAGE extension\n");
        return 2;
    }
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL));
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    /* Every top-level window gets a damage object as it is created, before anything can be drawn
     * into it; a report on a window that is mapped counts it as drawn. */
    static xcb_window_t win[MAXWIN];
    static xcb_damage_damage_t damage[MAXWIN];
    static char isMapped[MAXWIN], isDrawn[MAXWIN];
    int known = 0;
    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int drawn = 0;
    int died = 0;
    struct pollfd pfd = {xcb_get_file_descriptor(c), POLLIN, 0};
    while (drawn < want) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            if (xcb_connection_has_error(c))
                break;
            /* A program that ends before its windows are drawn is reported, not waited for. */
            if (waitpid(pid, NULL, WNOHANG) == pid) {
                died = 1;
                break;
            }
            poll(&pfd, 1, 200);
            continue;
        }
        const int type = e->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            xcb_create_notify_event_t* n = (xcb_create_notify_event_t*)e;
            if (!n->override_redirect && known < MAXWIN) {
                win[known] = n->window;
                damage[known] = xcb_generate_id(c);
                xcb_damage_create(c, damage[known], n->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(c);
                ++known;
            }
        } else if (type == XCB_MAP_NOTIFY) {
            xcb_map_notify_event_t* m = (xcb_map_notify_event_t*)e;
            for (int i = 0; i < known; ++i)
                if (win[i] == m->window)
                    isMapped[i] = 1;
        } else if (type == ext->first_event + XCB_DAMAGE_NOTIFY) {
            xcb_damage_notify_event_t* d = (xcb_damage_notify_event_t*)e;
            for (int i = 0; i < known; ++i) {
                if (win[i] != d->drawable || isDrawn[i])
                    continue;
                if (isMapped[i]) {
                    isDrawn[i] = 1;
                    ++drawn;
                } else {
                    xcb_damage_subtract(c, damage[i], XCB_NONE, XCB_NONE);
                    xcb_flush(c);
                }
            }
        }
        free(e);
    }
    if (died) {
        fprintf(stderr, "mapwatch: %s ended with %d of %d windows drawn\n", argv[2], drawn, want);
        xcb_disconnect(c);
        return 1;
    }
    const double elapsed = now_ms() - start;
    const double cpu = cpu_ms(pid);
    usleep(300 * 1000); /* let the last paints settle before reading the peak */
    const long kb = status_kb(pid, "VmHWM:");
    const double term = now_ms();
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    const double logoff = now_ms() - term;
    xcb_disconnect(c);
    printf("%.1f %.1f %ld %.1f\n", elapsed, cpu, kb, logoff);
    return drawn == want ? 0 : 1;
}
