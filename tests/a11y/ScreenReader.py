#!/usr/bin/python3
"""Reads and drives the running program as a screen reader does, over AT-SPI: the drill's
question on the answer box, a wrong answer told on it, the next question after a right one, and
the settings window's editor: its name, text and caret, and text put in through it. Each wait has
its limit; the first thing that is not as a user would hear it fails the run.
usage: ScreenReader.py LISTENING
Writes a line to LISTENING once the registry holds its listeners: only then may the program start,
as a screen reader a user runs is there before the program."""
import sys, time
import pyatspi
from gi.repository import Gio, GLib

EVENTS = ("object:property-change:accessible-name", "object:property-change:accessible-description",
          "object:text-changed:insert", "object:text-caret-moved")

QUESTIONS = {"France": "Paris", "Sweden": "Stockholm", "Japan": "Tokyo"}
heard = []  # (event type, source name, detail) as they arrive


def fail(what):
    print("FAILED: " + what)
    sys.exit(1)


def pump(seconds, until=lambda: False):
    """Lets events arrive for up to `seconds`, or until `until()` holds."""
    end = time.monotonic() + seconds
    ctx = GLib.MainContext.default()
    while time.monotonic() < end and not until():
        while ctx.pending():
            ctx.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return until()


def find(root, pred, depth=0):
    if root is None or depth > 30:
        return None
    try:
        if pred(root):
            return root
        for i in range(root.childCount):
            hit = find(root.getChildAtIndex(i), pred, depth + 1)
            if hit is not None:
                return hit
    except Exception:
        return None
    return None


def wait_for(what, get, seconds=20):
    found = []
    if not pump(seconds, lambda: found.append(get()) or found[-1] is not None):
        fail("not found: " + what)
    return found[-1]


def by(role, name=None):
    return lambda a: a.getRoleName() == role and (name is None or a.name == name)


def window(app, title):
    shown = lambda: [(w.getRoleName(), w.name) for w in (app.getChildAtIndex(i) for i in range(app.childCount)) if w]
    if not pump(20, lambda: find(app, lambda a: a.getRoleName() in ("frame", "dialog", "window") and a.name == title) is not None):
        fail("no window %r among %r" % (title, shown()))
    return wait_for("window " + title, lambda: find(app, lambda a: a.getRoleName() in ("frame", "dialog", "window") and a.name == title and
                                                    "showing" in [pyatspi.stateToString(s) for s in a.getState().getStates()]))


def showing(a):
    return a.getState().contains(pyatspi.STATE_SHOWING)


def press(root, name):
    button = wait_for("button " + name, lambda: find(root, lambda a: a.getRoleName() in ("push button", "toggle button") and a.name == name and showing(a)))
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%s has no Press action: %r" % (name, names))
    action.doAction(names.index("Press"))


def expect(what, got, wanted):
    print("%s: %r" % (what, got))
    if got != wanted:
        fail("%s is %r, expected %r" % (what, got, wanted))


def listen(event):
    try:
        name = event.source.name
    except Exception:
        name = "?"
    # Qt's bridge gives the changed object as a property change's data; a text change gives its text.
    heard.append((event.type, name, event.any_data if isinstance(event.any_data, (str, int)) else None))


def told_on(kind, name, since=0):
    return any(t == kind and n == name for t, n, _ in heard[since:])


def registered_events():
    """The events the registry tells a starting program to send, asked as the program asks."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, None, Gio.DBusCallFlags.NONE, 5000).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                                                  Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    events = lambda: {kind for _, kind in bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                                                        "org.a11y.atspi.Registry", "GetRegisteredEvents",
                                                        None, None, Gio.DBusCallFlags.NONE, 5000).unpack()[0]}
    return events


def main():
    # Qt's bridge asks the registry for its listeners once as the program starts and then follows
    # its news of new ones; a listener that comes in between is never sent a thing.
    for kind in EVENTS:
        pyatspi.Registry.registerEventListener(listen, kind)
    events = registered_events()
    # The registry names them its own way; on this bus no one but the reader listens.
    if not pump(20, lambda: len(events()) >= len(EVENTS)):
        fail("the registry does not hold the listeners: %r" % events())
    with open(sys.argv[1], "w") as listening:
        listening.write("listening\n")
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for("the program on the bus", lambda: next((a for a in (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
                                                           if a is not None and a.name == "Lexidrill"), None), 30)

    # The main window: the two lists typed into their selectors, then Execute.
    main_window = window(app, "Lexidrill")
    for label, text in (("Questions", "Countries"), ("Answers", "Capitals")):
        box = wait_for(label, lambda: find(main_window, lambda a: a.getRoleName() == "combo box" and a.name.startswith(label)))
        entry = find(box, by("text")) or box
        entry.queryEditableText().setTextContents(text)
    press(main_window, "Execute")

    # The drill: the answer box is named by the question, where the focus is.
    answer = wait_for("the answer box", lambda: find(app, lambda a: a.getRoleName() == "text" and a.name in QUESTIONS))
    question = answer.name
    print("question on the answer box: %r" % question)
    answer.queryEditableText().setTextContents("Nowhere")
    del heard[:]
    drill = answer
    while drill.parent is not None and drill.getRoleName() not in ("frame", "dialog", "window"):
        drill = drill.parent
    press(drill, "Enter")
    # The box's description can be read before its change event has come in: wait for the event.
    pump(5, lambda: answer.description.startswith("Wrong") and told_on("object:property-change:accessible-description", question))
    if not told_on("object:property-change:accessible-description", question):
        fail("no description-changed event told the wrong answer: %r" % heard)
    expect("told after a wrong answer", answer.description, "Wrong. Errors: 1")
    expect("still the same question", answer.name, question)
    answer.queryEditableText().setTextContents(QUESTIONS[question])
    told = len(heard)
    press(drill, "Enter")
    pump(5, lambda: answer.name != question and told_on("object:property-change:accessible-name", answer.name, told))
    if answer.name not in QUESTIONS or answer.name == question:
        fail("after a right answer the answer box is named %r" % answer.name)
    if not told_on("object:property-change:accessible-name", answer.name, told):
        fail("no name-changed event told the next question %r: %r" % (answer.name, heard))
    print("next question on the answer box: %r" % answer.name)
    press(drill, "Cancel")

    # The settings window: a new list, whose guide the editor holds selected.
    press(window(app, "Lexidrill"), "Settings...")
    settings = window(app, "Settings")
    press(settings, "Create new file...")
    press(app, "OK")  # the box asking for the new list's name, "New list" by default
    editor = wait_for("the editor", lambda: find(settings, lambda a: a.getRoleName() == "text" and a.name == "Selected list:"))
    text = editor.queryText()
    guide = 'Enter the contents of the file "New list" here.\nThen choose "Save list" to save the text.'
    expect("editor text", text.getText(0, -1), guide)
    expect("editor selection", tuple(text.getSelection(0)), (0, len(guide)))
    expect("editor caret, at the start of the selection as drawn", text.caretOffset, 0)
    del heard[:]
    editor.queryEditableText().insertText(0, "hund\n", 5)
    expect("editor text after an insert", text.getText(0, -1), "hund\n" + guide)
    pump(5, lambda: any(t == "object:text-changed:insert" for t, _, _ in heard))
    expect("told inserted", [(d, t) for t, _, d in heard if t == "object:text-changed:insert"], [("hund\n", "object:text-changed:insert")])
    text.setCaretOffset(7)
    expect("editor caret after a move", text.caretOffset, 7)
    expect("the line at the caret", text.getTextAtOffset(7, pyatspi.TEXT_BOUNDARY_LINE_START)[0], guide.split("\n")[0])
    print("PASSED")


main()
