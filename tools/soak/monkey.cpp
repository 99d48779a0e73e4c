#include "monkey.h"

#include "navigator.h"

#include <QPointer>
#include <QWidget>

#include <cxxabi.h>

#include <array>
#include <cstdlib>
#include <typeinfo>
#include <vector>

namespace lumora::soak {
namespace {

struct KeyChoice {
    int key;
    const char* name;
};

constexpr std::array<KeyChoice, 12> kNamedKeys = {{
    {Qt::Key_Return, "Enter"},
    {Qt::Key_Escape, "Escape"},
    {Qt::Key_Tab, "Tab"},
    {Qt::Key_Left, "Left"},
    {Qt::Key_Right, "Right"},
    {Qt::Key_Up, "Up"},
    {Qt::Key_Down, "Down"},
    {Qt::Key_Space, "Space"},
    {Qt::Key_Backspace, "Backspace"},
    {Qt::Key_Delete, "Delete"},
    {Qt::Key_Enter, "keypad Enter"},
    {Qt::Key_F1, "F1"},
}};

// The letters a learner types, Polish ones included.
const QString& Letters() {
    static const QString letters =
        QString::fromUtf8("abcdefghijklmnopqrstuvwxyząćęłńóśźżĄĆĘŁŃÓŚŹŻABCXYZ0123456789'-.?");
    return letters;
}

// The control's class, as the event log names it (lumora::Label).
std::string TypeName(const QWidget& control) {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(control).name(), nullptr, nullptr, &status);
    std::string text = status == 0 && name != nullptr ? name : typeid(control).name();
    std::free(name);
    return text;
}

} // namespace

int Monkey::Next(int n) {
    return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random_);
}

QWidget* Monkey::SomeControl(QWidget& top) {
    std::vector<QWidget*> controls;
    for (QWidget* child : top.findChildren<QWidget*>()) {
        if (child->isVisibleTo(&top) && child->isEnabled() && !child->isWindow() &&
            child->width() > 0 && child->height() > 0) {
            controls.push_back(child);
        }
    }
    return controls.empty()
               ? nullptr
               : controls[static_cast<std::size_t>(Next(static_cast<int>(controls.size())))];
}

QPoint Monkey::SomePoint(const QWidget& top) {
    return {Next(top.width()), Next(top.height())};
}

QPoint Monkey::Target(QWidget& top, std::string& described) {
    if (Next(2) == 0) {
        if (QWidget* control = SomeControl(top)) {
            const QPoint at = CentreIn(top, *control);
            described += " control " + TypeName(*control) + " at " + std::to_string(at.x()) + "," +
                         std::to_string(at.y());
            return at;
        }
    }
    const QPoint at = SomePoint(top);
    described += " at " + std::to_string(at.x()) + "," + std::to_string(at.y());
    return at;
}

void Monkey::Click(QWidget& top, std::string& described) {
    const int kind = Next(20);
    described = kind == 0 ? "right click" : kind == 1 ? "double click" : "click";
    const QPoint at = Target(top, described);
    if (kind == 0) {
        input_.Click(top, at, Qt::RightButton);
    } else if (kind == 1) {
        input_.DoubleClick(top, at);
    } else {
        input_.Click(top, at);
    }
}

void Monkey::Drag(QWidget& top, std::string& described) {
    described = "drag from";
    const QPoint from = Target(top, described);
    described += " to";
    const QPoint to = Target(top, described);
    QPointer<QWidget> alive(&top);
    input_.Move(top, from);
    input_.Press(top, from, Qt::LeftButton);
    const int steps = 2 + Next(5);
    for (int i = 1; i <= steps && alive; ++i) {
        input_.Move(top, from + (to - from) * i / steps, Qt::LeftButton);
    }
    if (alive) {
        input_.Release(top, to, Qt::LeftButton);
    }
}

void Monkey::Key(QWidget& top, std::string& described) {
    if (Next(50) == 0) {
        described = "Alt+F4";
        input_.Key(top, Qt::Key_F4, Qt::AltModifier, QString());
        if (top.isVisible()) {
            input_.CloseRequest(top);
        }
        return;
    }
    if (Next(2) == 0) {
        const KeyChoice& k = kNamedKeys[static_cast<std::size_t>(Next(kNamedKeys.size()))];
        described = std::string("key ") + k.name;
        const QString text = k.key == Qt::Key_Return || k.key == Qt::Key_Enter
                                 ? QStringLiteral("\r")
                             : k.key == Qt::Key_Space ? QStringLiteral(" ")
                                                      : QString();
        input_.Key(top, k.key, Qt::NoModifier, text);
        return;
    }
    const QChar letter = Letters()[Next(static_cast<int>(Letters().size()))];
    described = "key " + QString(letter).toStdString();
    const Qt::KeyboardModifiers modifiers = letter.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
    input_.Key(top, letter.toUpper().unicode(), modifiers, QString(letter));
}

void Monkey::Act(QWidget& top, std::string& described) {
    const int pick = Next(100);
    if (pick < 40) {
        Click(top, described);
    } else if (pick < 50) {
        Drag(top, described);
    } else if (pick < 58) {
        described = "move";
        const QPoint at = Target(top, described);
        input_.Move(top, at);
    } else {
        Key(top, described);
    }
}

} // namespace lumora::soak
