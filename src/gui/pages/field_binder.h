#pragma once

#include <QList>
#include <QObject>
#include <QStringView>

#include <initializer_list>

class QWidget;

namespace orva {

struct Field;
class T_Command_DEVICE;
class UpDown;

// Shows and stores the plain controls of one page: every entry field, check box, combo box and slider
// that the field catalogue names as the sole control of a field of that page. Values go through the
// catalogue's show and store functions, the ones `orva-config show` and `set` use, so the page and the
// command line agree on every form. What is special to a page (lists, mode pictures, tags, the GPRS "="
// mirror) stays with the page, which calls the binder from its redraw and unload steps; a field the
// page handles whole is named in `handledByPage`.
class FieldBinder : public QObject
{
    Q_OBJECT
public:
    FieldBinder(QWidget *page, std::initializer_list<QStringView> handledByPage = {});

    // Model to controls; with `idPrefix`, only the fields whose id starts with it.
    void show(const T_Command_DEVICE &model, QStringView idPrefix = {}) const;
    // Controls to model; with `idPrefix`, only the fields whose id starts with it.
    void store(T_Command_DEVICE &model, QStringView idPrefix = {}) const;

    // The bound fields' ids, in catalogue order.
    QStringList fieldIds() const;

Q_SIGNALS:
    // The user changed a bound control (typed, clicked, chose an item, moved a slider); the model
    // receives the value when the page stores.
    void UserEdited(const orva::Field &field);

private:
    struct Binding
    {
        const Field *field;
        QWidget *control;
        UpDown *upDown; // the stepper of a number field, if it has one
    };
    void connectUserSignals(const Binding &binding);

    QList<Binding> m_bindings;
};

} // namespace orva
