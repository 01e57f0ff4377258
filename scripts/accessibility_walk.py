#!/usr/bin/python3
# The AT-SPI side of scripts/accessibility-walk: sends the demo device's PIN, shows every section and page,
# and counts the shown controls one can operate, and those without a name.
import sys
import time
from collections import Counter

import pyatspi

OPERABLE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
            pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_PAGE_TAB_LIST,
            pyatspi.ROLE_TABLE, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_ENTRY,
            pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE}


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name and 'kestrova' in app.name.lower():
                return app
        time.sleep(0.2)
    sys.exit('kestrova is not on the accessibility bus')


def find_all(node, accepts, found):
    try:
        if accepts(node):
            found.append(node)
        for child in node:
            if child is not None:
                find_all(child, accepts, found)
    except Exception:  # an object gone while walked
        pass
    return found


def shown(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def bars(app):
    # The section bar and the page bar: the first two shown tab lists.
    return find_all(app, lambda n: n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST and shown(n), [])[:2]


def tabs(bar):
    return [c for c in bar if c is not None and c.getRole() == pyatspi.ROLE_PAGE_TAB]


def press(node):
    node.queryAction().doAction(0)


app = application()
pin = find_all(app, lambda n: n.getRole() == pyatspi.ROLE_PASSWORD_TEXT, [])
if pin:
    pin[0].queryEditableText().setTextContents('1234')
    press(find_all(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == 'Send PIN', [])[0])
time.sleep(4)

controls = {}
pages = 0
sections = len(tabs(bars(app)[0]))
for s in range(sections):
    press(tabs(bars(app)[0])[s])
    time.sleep(1.0)
    for p in range(len(tabs(bars(app)[1]))):
        press(tabs(bars(app)[1])[p])
        time.sleep(0.8)
        pages += 1
        for node in find_all(app, lambda n: n.getRole() in OPERABLE and shown(n), []):
            controls[node.path] = (node.getRoleName(), (node.name or '').strip())

unnamed = [role for role, name in controls.values() if not name]
print(f'sections {sections} pages {pages}')
print(f'controls {len(controls)} unnamed {len(unnamed)} ratio {len(unnamed) / max(len(controls), 1):.3f}')
for role, count in Counter(unnamed).most_common():
    print(f'  {role}: {count}')
sys.exit(1 if len(unnamed) > 0.01 * len(controls) else 0)
