// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

/*
 * mapwatch: run a program and report how long it takes until its first
 * top-level window is mapped on the X server.
 *
 *   mapwatch [-t TIMEOUT_S] -o RESULT_PATH -- PROGRAM [ARGS...]
 *
 * mapwatch forks a watcher (double fork, so it is not a child of the program)
 * that connects to $DISPLAY and selects SubstructureNotify on the root window.
 * Once the watcher is listening, mapwatch takes the start timestamp and execs
 * PROGRAM in its own process: the program keeps mapwatch's PID, so the caller
 * can use `$!` to signal and wait for it.
 *
 * The watcher waits for a MapNotify of a non-override-redirect child of the
 * root window whose _NET_WM_PID is that PID (no window manager is expected,
 * so such a window is viewable as soon as it is mapped). It then writes one
 * line to RESULT_PATH (a file or a FIFO) and exits:
 *
 *   ok pid=PID ms=MILLISECONDS window=0xID title=TITLE
 *   error pid=PID reason=TEXT
 *
 * Timing uses CLOCK_MONOTONIC, from just before execvp() until the watcher
 * reads the MapNotify event.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static const char* result_path;

static int64_t now_ns(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (int64_t)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

static void write_result(const char* line) {
    int fd = open(result_path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        fprintf(stderr, "mapwatch: cannot open %s: %s\n", result_path, strerror(errno));
        return;
    }
    size_t len = strlen(line);
    while (len > 0) {
        ssize_t n = write(fd, line, len);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        line += n;
        len -= (size_t)n;
    }
    close(fd);
}

static int process_alive(pid_t pid) {
    char path[64], buf[512];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return 0;
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = '\0';
    const char* p = strrchr(buf, ')');
    if (!p || p[1] == '\0' || p[2] == '\0')
        return 1;
    return p[2] != 'Z' && p[2] != 'X';
}

static xcb_atom_t intern(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

static int window_pid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t net_wm_pid) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, net_wm_pid, XCB_ATOM_CARDINAL, 0, 1), NULL);
    int pid = -1;
    if (r && r->format == 32 && xcb_get_property_value_length(r) >= 4)
        pid = (int)*(uint32_t*)xcb_get_property_value(r);
    free(r);
    return pid;
}

static void window_title(xcb_connection_t* c, xcb_window_t w, xcb_atom_t net_wm_name,
                         xcb_atom_t utf8, char* out, size_t outlen) {
    out[0] = '\0';
    xcb_atom_t props[2] = {net_wm_name, XCB_ATOM_WM_NAME};
    xcb_atom_t types[2] = {utf8, XCB_GET_PROPERTY_TYPE_ANY};
    for (int i = 0; i < 2 && out[0] == '\0'; ++i) {
        if (props[i] == XCB_ATOM_NONE)
            continue;
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, props[i], types[i], 0, 256), NULL);
        if (r && r->format == 8) {
            int len = xcb_get_property_value_length(r);
            if ((size_t)len >= outlen)
                len = (int)outlen - 1;
            memcpy(out, xcb_get_property_value(r), (size_t)len);
            out[len] = '\0';
            for (int k = 0; k < len; ++k)
                if (out[k] == '\n' || out[k] == '\r')
                    out[k] = ' ';
        }
        free(r);
    }
}

/* Runs in the double-forked watcher process. Never returns. */
static void watcher(pid_t target, int ready_fd, int t0_fd, double timeout_s) {
    char line[1024];
    int screen_num = 0;
    xcb_connection_t* c = xcb_connect(NULL, &screen_num);
    if (xcb_connection_has_error(c)) {
        snprintf(line, sizeof line, "error pid=%d reason=cannot connect to X display %s\n",
                 (int)target, getenv("DISPLAY") ? getenv("DISPLAY") : "(unset)");
        write_result(line);
        (void)!write(ready_fd, "E", 1);
        _exit(1);
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screen_num; ++i)
        xcb_screen_next(&it);
    xcb_window_t root = it.data->root;

    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* err = xcb_request_check(
        c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));
    if (err) {
        free(err);
        snprintf(line, sizeof line, "error pid=%d reason=cannot select events on the root window\n",
                 (int)target);
        write_result(line);
        (void)!write(ready_fd, "E", 1);
        _exit(1);
    }
    xcb_atom_t net_wm_pid = intern(c, "_NET_WM_PID");
    xcb_atom_t net_wm_name = intern(c, "_NET_WM_NAME");
    xcb_atom_t utf8 = intern(c, "UTF8_STRING");

    /* Listening: let the parent take t0 and exec. */
    if (write(ready_fd, "R", 1) != 1)
        _exit(1);
    close(ready_fd);
    int64_t t0 = 0;
    ssize_t got = 0;
    while (got < (ssize_t)sizeof t0) {
        ssize_t n = read(t0_fd, (char*)&t0 + got, sizeof t0 - (size_t)got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            _exit(1); /* parent went away before exec */
        got += n;
    }
    close(t0_fd);

    const int64_t deadline = t0 + (int64_t)(timeout_s * 1e9);
    int other_maps = 0;
    struct pollfd pfd = {.fd = xcb_get_file_descriptor(c), .events = POLLIN};
    for (;;) {
        xcb_generic_event_t* ev;
        while ((ev = xcb_poll_for_event(c)) != NULL) {
            int64_t t_event = now_ns();
            if ((ev->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                xcb_map_notify_event_t* m = (xcb_map_notify_event_t*)ev;
                if (!m->override_redirect && window_pid(c, m->window, net_wm_pid) == (int)target) {
                    char title[512];
                    window_title(c, m->window, net_wm_name, utf8, title, sizeof title);
                    snprintf(line, sizeof line, "ok pid=%d ms=%.3f window=0x%x title=%s\n",
                             (int)target, (double)(t_event - t0) / 1e6, (unsigned)m->window, title);
                    write_result(line);
                    free(ev);
                    _exit(0);
                }
                ++other_maps;
            }
            free(ev);
        }
        if (xcb_connection_has_error(c)) {
            snprintf(line, sizeof line, "error pid=%d reason=X connection lost\n", (int)target);
            write_result(line);
            _exit(1);
        }
        if (!process_alive(target)) {
            snprintf(line, sizeof line,
                     "error pid=%d reason=program exited before mapping a window\n", (int)target);
            write_result(line);
            _exit(1);
        }
        int64_t left_ms = (deadline - now_ns()) / 1000000;
        if (left_ms <= 0) {
            snprintf(line, sizeof line,
                     "error pid=%d reason=no top-level window mapped within %.0f s (%d other "
                     "windows mapped)\n",
                     (int)target, timeout_s, other_maps);
            write_result(line);
            _exit(1);
        }
        /* Wake up now and then to notice a program that died. */
        (void)poll(&pfd, 1, left_ms < 50 ? (int)left_ms : 50);
    }
}

int main(int argc, char** argv) {
    double timeout_s = 30.0;
    int opt;
    while ((opt = getopt(argc, argv, "+t:o:h")) != -1) {
        switch (opt) {
        case 't':
            timeout_s = atof(optarg);
            break;
        case 'o':
            result_path = optarg;
            break;
        default:
            fprintf(stderr, "usage: %s [-t TIMEOUT_S] -o RESULT_PATH -- PROGRAM [ARGS...]\n",
                    argv[0]);
            return 2;
        }
    }
    if (!result_path || optind >= argc || timeout_s <= 0) {
        fprintf(stderr, "usage: %s [-t TIMEOUT_S] -o RESULT_PATH -- PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }

    int ready[2], t0p[2];
    if (pipe2(ready, O_CLOEXEC) != 0 || pipe2(t0p, O_CLOEXEC) != 0) {
        perror("mapwatch: pipe");
        return 2;
    }
    pid_t self = getpid();
    pid_t mid = fork();
    if (mid < 0) {
        perror("mapwatch: fork");
        return 2;
    }
    if (mid == 0) {
        pid_t w = fork();
        if (w == 0) {
            close(ready[0]);
            close(t0p[1]);
            watcher(self, ready[1], t0p[0], timeout_s);
        }
        _exit(w < 0 ? 1 : 0);
    }
    close(ready[1]);
    close(t0p[0]);
    int status;
    while (waitpid(mid, &status, 0) < 0 && errno == EINTR) {
    }

    char c = 0;
    ssize_t n;
    while ((n = read(ready[0], &c, 1)) < 0 && errno == EINTR) {
    }
    if (n != 1 || c != 'R') {
        if (n != 1) {
            char line[256];
            snprintf(line, sizeof line, "error pid=%d reason=watcher failed to start\n", (int)self);
            write_result(line);
        }
        return 2;
    }

    int64_t t0 = now_ns();
    if (write(t0p[1], &t0, sizeof t0) != (ssize_t)sizeof t0)
        return 2;
    execvp(argv[optind], argv + optind);
    fprintf(stderr, "mapwatch: cannot run %s: %s\n", argv[optind], strerror(errno));
    return 127;
}
