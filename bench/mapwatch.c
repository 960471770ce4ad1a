/* Starts a program and reports how long it took until it had mapped N top-level windows, and its
 * peak resident memory once they were all up. Used by bench/startup.
 * Usage: mapwatch N program [args...]   Prints: "<milliseconds> <peak kB>". */
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static long peak_kb(pid_t pid) {
    char path[64], line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld", &kb) == 1)
            break;
    fclose(f);
    return kb;
}

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
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int mapped = 0;
    xcb_generic_event_t* e;
    while (mapped < want && (e = xcb_wait_for_event(c))) {
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            xcb_map_notify_event_t* m = (xcb_map_notify_event_t*)e;
            if (!m->override_redirect)
                ++mapped;
        }
        free(e);
    }
    const double elapsed = now_ms() - start;
    usleep(300 * 1000); /* let the last paints settle before reading the peak */
    const long kb = peak_kb(pid);
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    xcb_disconnect(c);
    printf("%.1f %ld\n", elapsed, kb);
    return mapped == want ? 0 : 1;
}
