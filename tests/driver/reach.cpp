#include "driver/reach.h"

#include <algorithm>
#include <utility>

namespace driver {

namespace {

struct Point {
    long x, y;
};

Point centreOf(const rt::Control& c) {
    return {c.left + c.width / 2, c.top + c.height / 2};
}

// The control and the picture boxes around it, outermost first.
std::vector<const rt::Control*> pathOf(const rt::Control& c) {
    std::vector<const rt::Control*> path;
    for (const rt::Control* at = &c; at; at = at->container) path.push_back(at);
    std::reverse(path.begin(), path.end());
    return path;
}

Point inWindow(const rt::Control& c, Point p) {
    for (const rt::Control* box = c.container; box; box = box->container) {
        p.x += box->left;
        p.y += box->top;
    }
    return p;
}

bool visibleWithBoxes(const rt::Control& c) {
    for (const rt::Control* at = &c; at; at = at->container) {
        if (!at->visible)
            return false;
    }
    return true;
}

bool enabledWithBoxes(const rt::Control& c) {
    for (const rt::Control* at = &c; at; at = at->container) {
        if (!at->enabled)
            return false;
    }
    return true;
}

// Whether the window point p lies on the control, clipped by its picture boxes.
bool covers(const rt::Control& c, Point p) {
    const Point origin = inWindow(c, {c.left, c.top});
    if (p.x < origin.x || p.y < origin.y || p.x >= origin.x + c.width || p.y >= origin.y + c.height)
        return false;
    for (const rt::Control* box = c.container; box; box = box->container) {
        const Point boxOrigin = inWindow(*box, {box->left, box->top});
        if (p.x < boxOrigin.x || p.y < boxOrigin.y || p.x >= boxOrigin.x + box->width ||
            p.y >= boxOrigin.y + box->height)
            return false;
    }
    return true;
}

std::pair<int, int> stackKey(const rt::Form& form, const rt::Control* c) {
    const auto& all = form.controls();
    const auto index = std::find(all.begin(), all.end(), c) - all.begin();
    return {c->isWindowed() ? 1 : 0, static_cast<int>(index)};
}

// Whether w stands in front of c: inside it, or in front of it (or of a picture
// box around it) among the controls of one container.
bool inFront(const rt::Form& form, const rt::Control& w, const rt::Control& c) {
    const auto pw = pathOf(w);
    const auto pc = pathOf(c);
    std::size_t i = 0;
    while (i < pw.size() && i < pc.size() && pw[i] == pc[i]) ++i;
    if (i == pw.size())
        return false;  // w is c or a picture box around it
    if (i == pc.size())
        return true;  // w lies inside c
    return stackKey(form, pw[i]) > stackKey(form, pc[i]);
}

}  // namespace

bool inSight(const rt::Form& form, const rt::Control& c) {
    if (c.kind == rt::Kind::Timer || !visibleWithBoxes(c))
        return false;
    Point p = centreOf(c);
    for (const rt::Control* box = c.container; box; box = box->container) {
        if (p.x < 0 || p.y < 0 || p.x >= box->width || p.y >= box->height)
            return false;
        p.x += box->left;
        p.y += box->top;
    }
    return p.x >= 0 && p.y >= 0 && p.x < form.width && p.y < form.height;
}

bool reachable(const rt::Form& form, const rt::Control& c) {
    if (!inSight(form, c))
        return false;
    const Point p = inWindow(c, centreOf(c));
    for (const rt::Control* w : form.controls()) {
        if (w == &c || !w->isWindowed() || !visibleWithBoxes(*w))
            continue;
        if (covers(*w, p) && inFront(form, *w, c))
            return false;
    }
    return true;
}

bool clickable(const rt::Form& form, const rt::Control& c) {
    // A check box ticks itself even without a handler.
    if ((!c.onClick && c.kind != rt::Kind::CheckBox) || !enabledWithBoxes(c))
        return false;
    if (c.kind == rt::Kind::CommandButton && static_cast<const rt::CommandButton&>(c).dragOnPress)
        return false;
    return reachable(form, c);
}

bool dropTarget(const rt::Form& form, const rt::Control& c) {
    return c.onDragDrop && enabledWithBoxes(c) && reachable(form, c);
}

bool ticking(const rt::Control& c) {
    if (c.kind != rt::Kind::Timer)
        return false;
    const auto& timer = static_cast<const rt::Timer&>(c);
    return timer.enabled && timer.interval > 0 && timer.onTimer;
}

}  // namespace driver
