#include "accessibility.h"

#include "control.h"
#include "form.h"
#include "keyboard_grid.h"
#include "label.h"
#include "stage.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <utility>
#include <vector>

namespace lumora {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QAccessible::Role QtRole(AccessRole role) {
    switch (role) {
    case AccessRole::Button:
        return QAccessible::Button;
    case AccessRole::RadioButton:
        return QAccessible::RadioButton;
    case AccessRole::CheckBox:
        return QAccessible::CheckBox;
    case AccessRole::Link:
        return QAccessible::Link;
    case AccessRole::Text:
        return QAccessible::StaticText;
    case AccessRole::Picture:
        return QAccessible::Graphic;
    case AccessRole::List:
        return QAccessible::List;
    case AccessRole::ListItem:
        return QAccessible::ListItem;
    case AccessRole::Cell:
        return QAccessible::Cell;
    case AccessRole::Automatic:
    case AccessRole::Decoration:
        break;
    }
    return QAccessible::Client;
}

bool IsDecoration(const QWidget& widget) {
    if (widget.property("lumora-decoration").toBool()) {
        return true;
    }
    const auto* control = dynamic_cast<const Control*>(&widget);
    return control != nullptr && control->Role() == AccessRole::Decoration;
}

// The children a screen reader meets: shown widgets that are not windows of
// their own, decorations left out unless they hold something that is not.
std::vector<QWidget*> ListedChildren(const QWidget& parent) {
    std::vector<QWidget*> listed;
    for (QObject* object : parent.children()) {
        if (!object->isWidgetType()) {
            continue;
        }
        auto* child = static_cast<QWidget*>(object);
        if (child->isWindow() || !child->isVisibleTo(&parent) ||
            !parent.rect().intersects(child->geometry())) {
            continue;
        }
        if (!IsDecoration(*child) || !ListedChildren(*child).empty()) {
            listed.push_back(child);
        }
    }
    return listed;
}

class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ItemAccessible(Control& host, int index) : host_(&host), index_(index) {}

    bool isValid() const override { return Grid() != nullptr && index_ < Grid()->Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return host_ != nullptr ? host_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(host_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        const KeyboardGrid* grid = Grid();
        if (t != QAccessible::Name || grid == nullptr || !grid->ItemName) {
            return {};
        }
        return Q(grid->ItemName(index_));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const KeyboardGrid* grid = Grid();
        if (grid == nullptr || !grid->ItemRect) {
            return {};
        }
        const QRect local = grid->ItemRect(index_);
        return {host_->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override {
        const KeyboardGrid* grid = Grid();
        return grid != nullptr ? QtRole(grid->ItemRole) : QAccessible::ListItem;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        const KeyboardGrid* grid = Grid();
        if (grid == nullptr) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        const bool current = grid->Current() == index_;
        state.selected = current;
        state.focused = current && HasKeyboardFocus(*host_);
        state.disabled = grid->ItemEnabled && !grid->ItemEnabled(index_);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override {
        const KeyboardGrid* grid = Grid();
        if (grid == nullptr || !grid->OnActivate) {
            return {};
        }
        return {pressAction()};
    }
    void doAction(const QString& action) override {
        KeyboardGrid* grid = Grid();
        if (action == pressAction() && grid != nullptr && grid->OnActivate) {
            grid->SetCurrent(index_);
            grid->OnActivate(index_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    KeyboardGrid* Grid() const { return host_ != nullptr ? host_->Items() : nullptr; }

    QPointer<Control> host_;
    int index_;
};

// A form or a control: its listed children, then its painted items.
class WidgetAccessible : public QAccessibleWidget {
  public:
    WidgetAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    ~WidgetAccessible() override {
        for (QAccessible::Id id : items_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override {
        return static_cast<int>(ListedChildren(*widget()).size()) + ItemCount();
    }
    QAccessibleInterface* child(int index) const override {
        const auto listed = ListedChildren(*widget());
        const int widgets = static_cast<int>(listed.size());
        if (index >= 0 && index < widgets) {
            return QAccessible::queryAccessibleInterface(listed[static_cast<std::size_t>(index)]);
        }
        return index >= widgets && index < widgets + ItemCount() ? Item(index - widgets) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        const KeyboardGrid* grid = Grid();
        if (grid != nullptr && HasKeyboardFocus(*widget()) && grid->Current() >= 0) {
            return Item(grid->Current());
        }
        return QAccessibleWidget::focusChild();
    }

    // The interface of painted item i, made and registered on first use.
    QAccessibleInterface* Item(int index) const {
        if (index < 0 || index >= ItemCount()) {
            return nullptr;
        }
        if (items_.size() <= static_cast<std::size_t>(index)) {
            items_.resize(static_cast<std::size_t>(index) + 1, 0);
        }
        QAccessible::Id& id = items_[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(
                new ItemAccessible(*dynamic_cast<Control*>(widget()), index));
        }
        return QAccessible::accessibleInterface(id);
    }

  protected:
    KeyboardGrid* Grid() const {
        const auto* control = dynamic_cast<const Control*>(widget());
        return control != nullptr ? control->Items() : nullptr;
    }
    int ItemCount() const { return Grid() != nullptr ? Grid()->Count() : 0; }

  private:
    mutable std::vector<QAccessible::Id> items_;
};

class ControlAccessible : public WidgetAccessible {
  public:
    explicit ControlAccessible(Control* control) : WidgetAccessible(control, QAccessible::Client) {}

    QAccessible::Role role() const override { return QtRole(TheControl().Role()); }
    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return Q(AccessibleNameOf(*widget()));
        case QAccessible::Description:
            return widget()->accessibleDescription().isEmpty() &&
                           widget()->toolTip() != text(QAccessible::Name)
                       ? widget()->toolTip()
                       : widget()->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = TheControl().IsTabStop();
        state.focused = HasKeyboardFocus(*widget()) && (Grid() == nullptr || Grid()->Current() < 0);
        const AccessRole role = TheControl().Role();
        if (role == AccessRole::RadioButton || role == AccessRole::CheckBox) {
            state.checkable = true;
            state.checked = TheControl().AccessChecked();
        }
        return state;
    }
    // A stop of Tab is pressed as Enter presses it (a link opens).
    QStringList actionNames() const override {
        return TheControl().IsTabStop() && TheControl().Items() == nullptr
                   ? QStringList{pressAction()}
                   : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) {
            return;
        }
        if (TheControl().OnClick) {
            TheControl().Click();
        } else {
            TheControl().KeyPressed(Qt::Key_Return, Qt::NoModifier);
        }
    }

  private:
    Control& TheControl() const { return *static_cast<Control*>(widget()); }
};

class FormAccessible : public WidgetAccessible {
  public:
    explicit FormAccessible(Form* form) : WidgetAccessible(form, QAccessible::Window) {}

    QAccessible::Role role() const override {
        return static_cast<Form*>(widget())->IsModal() ? QAccessible::Dialog : QAccessible::Window;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty()) {
            return widget()->accessibleName();
        }
        if (t == QAccessible::Description) {
            return widget()->accessibleDescription();
        }
        return QAccessibleWidget::text(t);
    }
    // On the stage a screen is a child of the backdrop, not of the program.
    QAccessibleInterface* parent() const override {
        const Stage* stage = Stage::Current();
        const QWindow* window = widget()->windowHandle();
        if (stage != nullptr && window != nullptr && window->parent() != nullptr &&
            window->parent() == stage->Host().windowHandle()) {
            return QAccessible::queryAccessibleInterface(&stage->Host());
        }
        return QAccessibleWidget::parent();
    }
};

// The backdrop: the program's one window, holding the screens shown on it.
class StageAccessible : public QAccessibleWidget {
  public:
    explicit StageAccessible(QWidget* host) : QAccessibleWidget(host, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Lumora") : QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(Screens().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto screens = Screens();
        return index >= 0 && index < static_cast<int>(screens.size())
                   ? QAccessible::queryAccessibleInterface(screens[static_cast<std::size_t>(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto screens = Screens();
        for (std::size_t i = 0; i < screens.size(); ++i) {
            if (child != nullptr && child->object() == screens[i]) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

  private:
    std::vector<QWidget*> Screens() const {
        const Stage* stage = Stage::Current();
        return stage != nullptr && &stage->Host() == widget() ? stage->Screens()
                                                              : std::vector<QWidget*>{};
    }
};

QAccessibleInterface* MakeInterface(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (const Stage* stage = Stage::Current(); stage != nullptr && &stage->Host() == widget) {
        return new StageAccessible(widget);
    }
    if (auto* form = dynamic_cast<Form*>(widget)) {
        return new FormAccessible(form);
    }
    if (auto* control = dynamic_cast<Control*>(widget)) {
        return new ControlAccessible(control);
    }
    return nullptr;
}

// A caption's line breaks read as single spaces.
std::string Flattened(const std::string& text) {
    std::string flat;
    for (char c : text) {
        const bool breaks = c == '\r' || c == '\n';
        if (!breaks) {
            flat += c;
        } else if (!flat.empty() && flat.back() != ' ') {
            flat += ' ';
        }
    }
    return flat;
}

AnnouncementListener& Listener() {
    static AnnouncementListener listener;
    return listener;
}

void Send(QAccessibleEvent& event) {
    if (Listener()) {
        Listener()(event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace

AnnouncementListener ListenToAnnouncements(AnnouncementListener listener) {
    return std::exchange(Listener(), std::move(listener));
}

void InstallAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(&MakeInterface);
        installed = true;
    }
}

void RenewAccessibleInterface(QWidget& widget) {
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
    if (made != nullptr && dynamic_cast<StageAccessible*>(made) == nullptr &&
        dynamic_cast<WidgetAccessible*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

std::string AccessibleNameOf(const QWidget& widget) {
    if (!widget.accessibleName().isEmpty()) {
        return widget.accessibleName().toStdString();
    }
    if (const auto* label = dynamic_cast<const Label*>(&widget); label != nullptr) {
        if (!label->Caption().empty()) {
            return Flattened(label->Caption());
        }
    }
    return widget.toolTip().toStdString();
}

void AnnounceFocus(QWidget& widget, bool fromProgram) {
    const auto* control = dynamic_cast<const Control*>(&widget);
    if (!fromProgram || (control != nullptr && control->Items() != nullptr)) {
        return; // Qt tells of widgets in an active window, a grid of its item
    }
    QAccessibleEvent event(&widget, QAccessible::Focus);
    Send(event);
}

void ItemsChanged(KeyboardGrid& grid) {
    QAccessibleEvent event(&grid.Host(), QAccessible::ObjectReorder);
    Send(event);
}

void AnnounceCurrentItem(KeyboardGrid& grid) {
    auto* host =
        dynamic_cast<WidgetAccessible*>(QAccessible::queryAccessibleInterface(&grid.Host()));
    QAccessibleInterface* item = host != nullptr ? host->Item(grid.Current()) : nullptr;
    if (item == nullptr) {
        return;
    }
    QAccessibleEvent event(item, QAccessible::Focus);
    Send(event);
}

void Announce(QWidget& widget, const std::string& text) {
    widget.setAccessibleDescription(Q(text));
    QAccessibleEvent event(&widget, QAccessible::DescriptionChanged);
    Send(event);
}

} // namespace lumora
