// Splits the X screen into RandR monitors, which vanish when their client disconnects: so this
// stays connected until it is killed. Usage: xmonitors WxH+X+Y... (the first is the primary).
// Prints the monitors the server then reports, then "ready N" with their number.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdio>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xmonitors: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    // The screen's output joins the primary monitor, or the server keeps an automatic monitor
    // for it that spans the whole screen.
    XRRScreenResources* resources = XRRGetScreenResources(display, root);
    const int outputs = resources && resources->noutput > 0 ? 1 : 0;
    for (int i = 1; i < argc; ++i) {
        int width = 0, height = 0, x = 0, y = 0;
        if (std::sscanf(argv[i], "%dx%d+%d+%d", &width, &height, &x, &y) != 4) {
            std::fprintf(stderr, "xmonitors: not WxH+X+Y: %s\n", argv[i]);
            return 2;
        }
        XRRMonitorInfo* monitor = XRRAllocateMonitor(display, i == 1 ? outputs : 0);
        if (i == 1 && outputs)
            monitor->outputs[0] = resources->outputs[0];
        const std::string name = "HX-" + std::to_string(i);
        monitor->name = XInternAtom(display, name.c_str(), False);
        monitor->primary = i == 1;
        monitor->x = x;
        monitor->y = y;
        monitor->width = width;
        monitor->height = height;
        // Millimetres at 96 dots per inch.
        monitor->mwidth = width * 254 / 960;
        monitor->mheight = height * 254 / 960;
        XRRSetMonitor(display, root, monitor);
        XRRFreeMonitors(monitor);
    }
    XRRFreeScreenResources(resources);
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count);
    for (int i = 0; i < count; ++i)
        std::printf("%dx%d+%d+%d%s\n", monitors[i].width, monitors[i].height, monitors[i].x,
                    monitors[i].y, monitors[i].primary ? " primary" : "");
    XRRFreeMonitors(monitors);
    std::printf("ready %d\n", count);
    std::fflush(stdout);
    for (;;)
        pause();
}
