/* Holds a key grab on the root window, as another program holding a global shortcut would:
 *   key_grabber KEYSYM MODIFIER-MASK
 * grabs the key with exactly those modifiers (no lock combinations), prints "grabbed" and waits
 * until it is ended. Exits 1 when the key cannot be grabbed.
 *   key_grabber --state
 * prints the modifier mask the keyboard has now (locks included), in decimal. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xcb/xcb.h>

static int printState(xcb_connection_t* c, xcb_window_t root) {
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(c, xcb_query_pointer(c, root), NULL);
    if (!pointer)
        return 1;
    printf("%u\n", (unsigned)(pointer->mask & 0xff));
    free(pointer);
    return 0;
}

int main(int argc, char** argv) {
    const int state = argc == 2 && strcmp(argv[1], "--state") == 0;
    if (argc != 3 && !state) {
        fprintf(stderr, "usage: key_grabber KEYSYM MODIFIER-MASK | key_grabber --state\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "key_grabber: no display\n");
        return 1;
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    if (state)
        return printState(c, root);
    const xcb_keysym_t keysym = (xcb_keysym_t)strtoul(argv[1], NULL, 0);
    const uint16_t mask = (uint16_t)strtoul(argv[2], NULL, 0);
    const uint8_t count = (uint8_t)(setup->max_keycode - setup->min_keycode + 1);
    xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), NULL);
    if (!map)
        return 1;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    const int length = xcb_get_keyboard_mapping_keysyms_length(map);
    xcb_keycode_t keycode = 0;
    for (int i = 0; i < length && !keycode; ++i)
        if (syms[i] == keysym)
            keycode = (xcb_keycode_t)(setup->min_keycode + i / map->keysyms_per_keycode);
    free(map);
    if (!keycode) {
        fprintf(stderr, "key_grabber: no key has keysym 0x%x\n", (unsigned)keysym);
        return 1;
    }
    xcb_generic_error_t* error =
        xcb_request_check(c, xcb_grab_key_checked(c, 0, root, mask, keycode, XCB_GRAB_MODE_ASYNC,
                                                  XCB_GRAB_MODE_ASYNC));
    if (error) {
        fprintf(stderr, "key_grabber: the grab failed (error %d)\n", error->error_code);
        return 1;
    }
    printf("grabbed\n");
    fflush(stdout);
    /* The grab lasts as long as the connection; events are read so that the server never waits. */
    xcb_generic_event_t* event;
    while ((event = xcb_wait_for_event(c)))
        free(event);
    return 0;
}
