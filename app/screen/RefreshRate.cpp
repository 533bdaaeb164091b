// SPDX-License-Identifier: MIT
// The display's refresh rate as XRandR reports the mode of its primary output.
#include "Video.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {

// The refresh rate of `mode`, from its pixel clock and totals; 0 when they say nothing (a
// virtual display reports its mode with no clock).
double ModeRate(const XRRModeInfo& mode) {
    double lines = double(mode.vTotal);
    if (mode.modeFlags & RR_DoubleScan)
        lines *= 2;
    if (mode.modeFlags & RR_Interlace)
        lines /= 2;
    if (mode.hTotal == 0 || lines <= 0)
        return 0;
    return double(mode.dotClock) / (double(mode.hTotal) * lines);
}

// The CRTC showing the primary output, or the first one showing anything.
RRCrtc ShowingCrtc(Display* display, Window root, XRRScreenResources* resources) {
    RRCrtc crtc = None;
    const RROutput primary = XRRGetOutputPrimary(display, root); // None when none is set
    if (XRROutputInfo* output =
            primary == None ? nullptr : XRRGetOutputInfo(display, resources, primary)) {
        crtc = output->crtc;
        XRRFreeOutputInfo(output);
    }
    for (int i = 0; crtc == None && i < resources->ncrtc; ++i)
        if (XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[i])) {
            if (info->mode != None)
                crtc = resources->crtcs[i];
            XRRFreeCrtcInfo(info);
        }
    return crtc;
}

double ScreenRate(Display* display) {
    const Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (!resources)
        return 0;
    double rate = 0;
    const RRCrtc crtc = ShowingCrtc(display, root, resources);
    if (XRRCrtcInfo* info = crtc == None ? nullptr : XRRGetCrtcInfo(display, resources, crtc)) {
        for (int i = 0; i < resources->nmode; ++i)
            if (resources->modes[i].id == info->mode)
                rate = ModeRate(resources->modes[i]);
        XRRFreeCrtcInfo(info);
    }
    XRRFreeScreenResources(resources);
    return rate;
}

} // namespace

double DisplayRefreshRate() {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 0;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    double rate = 0;
    // Screen resources of the current configuration came with RandR 1.3.
    if (XRRQueryExtension(display, &eventBase, &errorBase) &&
        XRRQueryVersion(display, &major, &minor) && (major > 1 || (major == 1 && minor >= 3)))
        rate = ScreenRate(display);
    XCloseDisplay(display);
    return rate;
}
