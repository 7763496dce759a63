// e2e-shape-rectangles WINDOW: prints the bounding outline of the X window
// WINDOW (a number, decimal or 0x hex) as the X server holds it, one
// rectangle "x y width height" per line. A window without an outline of its
// own prints its one rectangle. Exits 1 when there is no display, no shape
// extension or no such window.
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: e2e-shape-rectangles WINDOW\n");
        return 2;
    }
    char* end = nullptr;
    const unsigned long window = std::strtoul(argv[1], &end, 0);
    if (end == argv[1] || *end) {
        std::fprintf(stderr, "e2e-shape-rectangles: not a window id: %s\n", argv[1]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "e2e-shape-rectangles: cannot open the display\n");
        return 1;
    }
    const xcb_query_extension_reply_t* shape = xcb_get_extension_data(connection, &xcb_shape_id);
    if (!shape || !shape->present) {
        std::fprintf(stderr, "e2e-shape-rectangles: the display has no shape extension\n");
        return 1;
    }
    xcb_generic_error_t* error = nullptr;
    const std::unique_ptr<xcb_shape_get_rectangles_reply_t, decltype(&std::free)> reply(
        xcb_shape_get_rectangles_reply(
            connection, xcb_shape_get_rectangles(connection, static_cast<xcb_window_t>(window), XCB_SHAPE_SK_BOUNDING),
            &error),
        &std::free);
    if (!reply) {
        std::free(error);
        std::fprintf(stderr, "e2e-shape-rectangles: no window %s\n", argv[1]);
        return 1;
    }
    const xcb_rectangle_t* rects = xcb_shape_get_rectangles_rectangles(reply.get());
    const int count = xcb_shape_get_rectangles_rectangles_length(reply.get());
    for (int i = 0; i < count; ++i)
        std::printf("%d %d %u %u\n", rects[i].x, rects[i].y, rects[i].width, rects[i].height);
    xcb_disconnect(connection);
    return 0;
}
