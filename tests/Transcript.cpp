#include "Transcript.h"

#include "TestSupport.h"
#include "ui/kernel/frmMessage.h"

namespace {

// What a control shows besides its text: greyed out, read-only, the default button, its tool tip.
QString flags(const QWidget *w)
{
    QString out = w->isEnabled() ? QString() : u" (off)"_s;
    if (auto *button = qobject_cast<const QPushButton *>(w); button && button->isDefault())
        out += u" (default)"_s;
    if (w->property("readOnly").toBool())
        out += u" (read-only)"_s;
    if (w->property("echoMode").toInt() == QLineEdit::Password)
        out += u" (hidden)"_s;
    if (auto *button = qobject_cast<const QAbstractButton *>(w); button && !button->shortcut().isEmpty())
        out += u" ["_s + button->shortcut().toString(QKeySequence::PortableText) + u"]"_s;
    if (const QString hint = w->property("placeholderText").toString(); !hint.isEmpty())
        out += u" hint: "_s + hint;
    if (!w->toolTip().isEmpty())
        out += u" tip: "_s + w->toolTip();
    return out;
}

// A window's menus: each item with its state.
void menus(QWidget *window, QStringList &out)
{
    auto *bar = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->menuWidget())
        bar = main->menuBar();
    if (!bar)
        return;
    for (QAction *menu : bar->actions()) {
        if (!menu->menu() || !menu->isVisible())
            continue;
        QStringList items;
        for (QAction *a : menu->menu()->actions()) {
            if (!a->isVisible())
                continue;
            const QString keys = a->shortcut().toString(QKeySequence::PortableText);
            items << (a->isSeparator() ? u"-"_s
                                       : a->text() + (keys.isEmpty() ? QString() : u" ["_s + keys + u"]"_s)
                        + (a->isEnabled() ? QString() : u" (off)"_s));
        }
        out << u"  menu "_s + menu->text() + u": "_s + items.join(u" | "_s);
    }
}

// One line for a named control, or none for what shows no text or state.
void describe(QWidget *w, QStringList &out, const QString &indent, const Transcript::Describer &more)
{
    const QString name = indent + w->objectName() + (w->updatesEnabled() ? u": "_s : u" (not redrawn): "_s);
    if (more && more(w, name, out))
        return;
    if (auto *grid = qobject_cast<FlexGrid *>(w)) {
        for (int r = 0; r < grid->Rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid->columnCount(); ++c) {
                if (grid->isColumnHidden(c) || grid->columnWidth(c) <= 1)
                    continue;
                QString cell = grid->TextMatrix(r, c);
                const QColor back = grid->CellBackColor(r, c);
                if (r > 0 && back.isValid() && back != QColor(Qt::white))
                    cell += u"{%1}"_s.arg(back.name());
                cells << cell;
            }
            out << name + (r == grid->Row() && r > 0 ? u"> "_s : QString()) + cells.join(u" | "_s);
        }
    } else if (auto *table = qobject_cast<QTableWidget *>(w)) {
        for (int r = -1; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->isColumnHidden(c))
                    continue;
                const QTableWidgetItem *item = r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c);
                const QVariant tick = item ? item->data(Qt::CheckStateRole) : QVariant();
                const bool typable = r >= 0 && item && (item->flags() & Qt::ItemIsEditable) && table->editTriggers();
                cells << (tick.isValid() ? (tick.toInt() == Qt::Checked ? u"[x] "_s : u"[ ] "_s) : QString())
                        + (item ? item->text() + (item->toolTip().isEmpty() ? QString() : u" tip: "_s + item->toolTip())
                                : QString())
                        + (typable ? u" (editable)"_s : QString());
            }
            out << name + (r >= 0 && r == table->currentRow() ? u"> "_s : QString()) + cells.join(u" | "_s);
        }
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        if (!label->text().isEmpty())
            out << name + label->text() + flags(w);
    } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
        out << name + (check->isChecked() ? u"[x] "_s : u"[ ] "_s) + check->text() + flags(w);
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        const QString on = button->isCheckable() ? (button->isChecked() ? u" (on)"_s : u" (not on)"_s) : QString();
        out << name + u"<"_s + button->text() + u">"_s + on + flags(w);
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(w)) {
        out << name + u"%1 of %2..%3"_s.arg(slider->value()).arg(slider->minimum()).arg(slider->maximum()) + flags(w);
    } else if (auto *tree = qobject_cast<QTreeWidget *>(w)) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            QString depth;
            for (QTreeWidgetItem *up = (*it)->parent(); up; up = up->parent())
                depth += u"  "_s;
            QStringList cells;
            for (int c = 0; c < tree->columnCount(); ++c)
                cells << (*it)->text(c);
            out << name + (*it == tree->currentItem() ? u"> "_s : QString()) + depth + cells.join(u" | "_s);
        }
    } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
        const QString longest = line->maxLength() == 32767 ? QString() : u" (at most %1)"_s.arg(line->maxLength());
        // Where typing goes on: a box filled by the program shows its start.
        const QString cursor
            = line->cursorPosition() == line->text().size() ? QString() : u" (cursor %1)"_s.arg(line->cursorPosition());
        out << name + u"\""_s + line->text() + u"\""_s + longest + cursor + flags(w);
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(w)) {
        out << name + u"\""_s + text->toPlainText() + u"\""_s + flags(w);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        out << name + combo->currentText() + flags(w);
    } else if (auto *list = qobject_cast<QListWidget *>(w)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            const QListWidgetItem *item = list->item(i);
            const bool checkable = item->data(Qt::CheckStateRole).isValid();
            items << (i == list->currentRow() ? u"> "_s : QString())
                    + (checkable ? (item->checkState() == Qt::Checked ? u"[x] "_s : u"[ ] "_s) : QString())
                    + item->text();
        }
        out << name + items.join(u" | "_s);
    } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
        if (!group->title().isEmpty())
            out << name + group->title();
    }
}

// How a control looks, noted the first time it shows: where it sits in its
// window, and the font, colours, drawn picture and grid headers it was given.
QString look(QWidget *w)
{
    const QRect r(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    QString out = u"%1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    const QFont font = w->font();
    if (font != QApplication::font(w))
        out += u" font %1 %2pt%3%4%5"_s.arg(font.family())
                   .arg(font.pointSizeF())
                   .arg(font.bold() ? u" bold"_s : QString(), font.italic() ? u" italic"_s : QString(),
                       font.underline() ? u" underlined"_s : QString());
    const QPalette own = w->palette();
    const QPalette usual = QApplication::palette(w);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text,
             QPalette::Button, QPalette::ButtonText}) {
        if (own.color(role) != usual.color(role))
            out += u" %1=%2"_s.arg(int(role)).arg(own.color(role).name());
    }
    if (w->autoFillBackground())
        out += u" filled"_s;
    if (auto *label = qobject_cast<QLabel *>(w)) { // a word shown as typed, and text that can be copied
        out += u" align %1%2%3%4%5"_s.arg(int(label->alignment()))
                   .arg(label->wordWrap() ? u" wrap"_s : QString(),
                       label->buddy() ? u" for "_s + label->buddy()->objectName() : QString(),
                       label->textFormat() == Qt::PlainText ? u" plain"_s : QString(),
                       label->textInteractionFlags() & Qt::TextSelectableByMouse ? u" selectable"_s : QString());
        if (const QImage picture = label->pixmap().toImage(); !picture.isNull()) // any change to a drawing shows
            out += u" picture %1"_s.arg(qChecksum(QByteArrayView(picture.constBits(), picture.sizeInBytes())));
    }
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            out += (i ? u"|"_s : u" items "_s) + combo->itemText(i);
    }
    if (auto *table = qobject_cast<QTableView *>(w)) {
        out += u" headers %1%2 tabkeys %3 select %4/%5 edit %6"_s
                   .arg(table->horizontalHeader()->isVisible() ? u"h"_s : u"-"_s,
                       table->verticalHeader()->isVisible() ? u"v"_s : u"-"_s)
                   .arg(table->tabKeyNavigation())
                   .arg(int(table->selectionBehavior()))
                   .arg(int(table->selectionMode()))
                   .arg(int(table->editTriggers()));
        out += table->isSortingEnabled() ? u" sorted"_s : QString();
        for (int c = 0; c < table->model()->columnCount(); ++c)
            out += (c ? u","_s : u" widths "_s) + QString::number(table->columnWidth(c));
    }
    if (auto *tree = qobject_cast<QTreeView *>(w)) {
        QStringList columns;
        for (int c = 0; c < tree->header()->count(); ++c)
            columns << u"%1:%2:%3"_s.arg(tree->model()->headerData(c, Qt::Horizontal).toString())
                           .arg(int(tree->header()->sectionResizeMode(c)))
                           .arg(tree->header()->sectionSize(c));
        out += u" columns "_s + columns.join(u' ');
    }
    return out;
}

// The other pages of a tab control are a click away: their texts are noted too, and how they look when they first show.
void walk(QWidget *parent, QStringList &out, QSet<QString> *seen, const Transcript::Describer &more, bool shown = true)
{
    const bool pages = qobject_cast<QStackedWidget *>(parent) && qobject_cast<QTabWidget *>(parent->parentWidget());
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow() || (w->isHidden() && !pages))
            continue;
        const bool showing = shown && !w->isHidden();
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_s)) {
            const QString key = w->window()->objectName() + u'/' + w->objectName();
            if (showing && !seen->contains(key)) {
                seen->insert(key);
                out << u"  look "_s + w->objectName() + u": "_s + look(w);
            }
            describe(w, out, u"  "_s, more);
        }
        if (!qobject_cast<QTableWidget *>(w))
            walk(w, out, seen, more, showing);
    }
}

// Notes each temporary message as it shows and closes it.
class MessageWatcher : public QObject
{
public:
    explicit MessageWatcher(QStringList *lines)
        : m_lines(lines)
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *message = qobject_cast<frmMessage *>(watched);
        if (message && event->type() == QEvent::Show) {
            *m_lines << u"temporary message: "_s + message->lblTop->text() + u" / "_s + message->lblBottom->text();
            if (!std::exchange(m_looked, true)) // how the first one looks
                *m_lines << u"  look: "_s + look(message->lblTop) + u" / "_s + look(message->lblBottom);
            QMetaObject::invokeMethod(message, &QWidget::close, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QStringList *m_lines;
    bool m_looked = false;
};

} // namespace

Transcript::Transcript(const QString &name, const QList<std::pair<QString, QString>> &masks)
    : m_name(name)
    , m_masks(masks)
    , m_messagesSeen(MsgBoxScript::shown().size())
    , m_watcher(std::make_unique<MessageWatcher>(&m_lines))
{
    // Qt's warnings point at a misused control or connection a user may not see; only the offscreen ones are expected.
    QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support)"_s));
}

Transcript::~Transcript() = default;

void Transcript::snap(const QString &step, Store *store)
{
    // Whose lists: the child's name that every window's title shows after its own.
    const QString child = QGuiApplication::applicationDisplayName();
    m_lines << u"== "_s + step
            + (child.isEmpty() || child == QCoreApplication::applicationName() ? QString() : u" ("_s + child + u")"_s);
    const QStringList messages = MsgBoxScript::shown();
    for (qsizetype i = m_messagesSeen; i < messages.size(); ++i)
        m_lines << u"message: "_s + QString(messages.at(i)).replace(u'\n', u" / "_s);
    m_messagesSeen = messages.size();
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->objectName().isEmpty())
            windows << w;
    }
    std::sort(windows.begin(), windows.end(),
        [](const QWidget *a, const QWidget *b) { return a->objectName() < b->objectName(); });
    for (QWidget *w : std::as_const(windows)) {
        m_lines << u"["_s + w->objectName() + u"] "_s + w->windowTitle()
                + (w->isActiveWindow() ? u" (active)"_s : QString());
        if (!m_seen.contains(w->objectName())) {
            m_seen.insert(w->objectName());
            const QString owner
                = w->parentWidget() ? u" over "_s + w->parentWidget()->window()->objectName() : QString();
            m_lines << u"  look: %1x%2 at %3,%4%5%6%7"_s.arg(w->width())
                           .arg(w->height())
                           .arg(w->x())
                           .arg(w->y())
                           .arg(w->isModal() ? u" modal"_s : QString(),
                               w->minimumSize() == w->maximumSize() ? u" fixed"_s : QString(), owner);
        }
        menus(w, m_lines);
        // Qt's own question windows name none of their controls.
        if (auto *input = qobject_cast<QInputDialog *>(w))
            m_lines << u"  asks: "_s + input->labelText() + u" "_s + input->comboBoxItems().join(u" | "_s) + u" > "_s
                    + input->textValue();
        walk(w, m_lines, &m_seen, m_more);
        // The order Tab goes through the controls: keyboard use depends on it.
        QStringList order;
        for (QWidget *next = w->nextInFocusChain(); next && next != w; next = next->nextInFocusChain()) {
            if (!next->objectName().isEmpty() && !next->objectName().startsWith(u"qt_"_s) && next->isVisible()
                && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus) && next->window() == w)
                order << next->objectName();
        }
        if (order.size() > 1)
            m_lines << u"  tab order: "_s + order.join(u", "_s);
        // Where typing would go: a box the child must type in next has the
        // focus. A window not yet activated gives it to the first in Tab order.
        QWidget *focus = w->focusWidget();
        const QString focused = focus && focus != w ? focus->objectName() : order.value(0);
        if (!focused.isEmpty() && !focused.startsWith(u"qt_"_s))
            m_lines << u"  focus: "_s + focused;
    }
    if (!store)
        return;
    QSqlQuery tables = store->select(u"SELECT name, sql FROM sqlite_master WHERE type = 'table' ORDER BY name"_s);
    while (tables.next()) {
        // How a table was made, the first time it shows: its columns and defaults.
        const QString table = tables.value(0).toString();
        if (!m_seen.contains(u"table "_s + table)) {
            m_seen.insert(u"table "_s + table);
            m_lines << tables.value(1).toString().simplified();
        }
        QSqlQuery q = store->select(u"SELECT * FROM "_s + table + u" ORDER BY rowid"_s);
        while (q.next()) {
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i)
                values << q.value(i).toString();
            m_lines << table + u": "_s + values.join(u'|');
        }
    }
    // The recordings beside the database, by name and size.
    const QDir wavs(QFileInfo(store->filePath()).dir().filePath(u"Wavs"_s));
    for (const QFileInfo &file : wavs.entryInfoList(QDir::Files | QDir::System, QDir::Name))
        m_lines << u"Wavs: %1 %2"_s.arg(file.fileName()).arg(file.size());
}

bool Transcript::matches()
{
    const QString path = QStringLiteral(LETTERMARCH_TRANSCRIPTS "/") + m_name + u".txt"_s;
    QString actual = m_lines.join(u'\n') + u'\n';
    for (const auto &[text, as] : std::as_const(m_masks))
        actual.replace(QDir::toNativeSeparators(text), as);
    if (qEnvironmentVariableIsSet("LETTERMARCH_APPROVE")) {
        writeFile(path, actual.toUtf8());
        return true;
    }
    const QStringList expected = QString::fromUtf8(fileBytes(path)).split(u'\n');
    const QStringList got = actual.split(u'\n');
    for (qsizetype i = 0; i < std::max(expected.size(), got.size()); ++i) {
        if (expected.value(i) == got.value(i))
            continue;
        QStringList context;
        for (qsizetype j = std::max<qsizetype>(0, i - 3); j < i; ++j)
            context << u"    "_s + got.at(j);
        QTest::qFail(
            qPrintable(u"%1.txt line %2 differs (LETTERMARCH_APPROVE=1 rewrites it):\n%3\n  - %4\n  + %5"_s.arg(m_name)
                           .arg(i + 1)
                           .arg(context.join(u'\n'), expected.value(i), got.value(i))),
            __FILE__, __LINE__);
        return false;
    }
    return true;
}
