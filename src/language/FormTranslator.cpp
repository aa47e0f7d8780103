#include "language/FormTranslator.h"

#include "config/MessageCatalog.h"
#include "config/RuntimeHint.h"
#include "language/IniFile.h"
#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <vector>

namespace {

const QString TranslationsSection = QStringLiteral("Translations");
const QString LanguageSection = QStringLiteral("Language");
const QString LineBreakMark = QStringLiteral("~~");
// Where a component keeps the position it had when a translator first saw it.
const char* const OrderProperty = "qvlComponentOrder";

enum class Property { Caption, Hint, Text };
constexpr std::array<Property, 3> AllProperties = {Property::Caption, Property::Hint, Property::Text};

QString propertyName(Property p)
{
    switch (p) {
    case Property::Caption:
        return QStringLiteral("Caption");
    case Property::Hint:
        return QStringLiteral("Hint");
    case Property::Text:
        return QStringLiteral("Text");
    }
    return QString();
}

// The tab widget whose page `o` is, with the page's index.
QTabWidget* tabPageOf(QObject* o, int* index)
{
    auto* page = qobject_cast<QWidget*>(o);
    auto* stack = page ? qobject_cast<QStackedWidget*>(page->parentWidget()) : nullptr;
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    *index = tabs ? tabs->indexOf(page) : -1;
    return *index >= 0 ? tabs : nullptr;
}

bool isTabPage(QObject* o)
{
    int i;
    return tabPageOf(o, &i) != nullptr;
}

QString tabText(QObject* o)
{
    int i;
    return tabPageOf(o, &i)->tabText(i);
}

void setTabText(QObject* o, const QString& s)
{
    int i;
    tabPageOf(o, &i)->setTabText(i, s);
}

// How each text property reads and sets each kind of component. For a property, the first row
// whose kind matches is the component's; a component that no row matches lacks the property.
struct Binding {
    Property property;
    bool (*matches)(QObject*);
    QString (*get)(QObject*);
    void (*set)(QObject*, const QString&);
};

template <typename T>
bool is(QObject* o)
{
    return qobject_cast<T*>(o) != nullptr;
}

template <typename T>
T* as(QObject* o)
{
    return static_cast<T*>(o);
}

const Binding Bindings[] = {
    // A page's caption is its tab's text, whatever kind of widget the page is.
    {Property::Caption, isTabPage, tabText, setTabText},
    {Property::Caption, is<QAbstractButton>, [](QObject* o) { return as<QAbstractButton>(o)->text(); },
     [](QObject* o, const QString& s) { as<QAbstractButton>(o)->setText(s); }},
    {Property::Caption, is<QLabel>, [](QObject* o) { return as<QLabel>(o)->text(); },
     [](QObject* o, const QString& s) { as<QLabel>(o)->setText(s); }},
    {Property::Caption, is<QGroupBox>, [](QObject* o) { return as<QGroupBox>(o)->title(); },
     [](QObject* o, const QString& s) { as<QGroupBox>(o)->setTitle(s); }},
    {Property::Caption, is<QMenu>, [](QObject* o) { return as<QMenu>(o)->title(); },
     [](QObject* o, const QString& s) { as<QMenu>(o)->setTitle(s); }},
    {Property::Caption, is<QAction>, [](QObject* o) { return as<QAction>(o)->text(); },
     [](QObject* o, const QString& s) { as<QAction>(o)->setText(s); }},
    // An action's own tool tip repeats its text unless set, so actions have no hint.
    {Property::Hint, is<QWidget>, [](QObject* o) { return as<QWidget>(o)->toolTip(); },
     [](QObject* o, const QString& s) { as<QWidget>(o)->setToolTip(s); }},
    {Property::Text, is<QLineEdit>, [](QObject* o) { return as<QLineEdit>(o)->text(); },
     [](QObject* o, const QString& s) { as<QLineEdit>(o)->setText(s); }},
    {Property::Text, [](QObject* o) { return is<QComboBox>(o) && as<QComboBox>(o)->isEditable(); },
     [](QObject* o) { return as<QComboBox>(o)->currentText(); },
     [](QObject* o, const QString& s) { as<QComboBox>(o)->setEditText(s); }},
};

const Binding* bindingOf(QObject* o, Property p)
{
    if (p == Property::Hint && RuntimeHint::isMarked(o))
        return nullptr; // set while the program runs, from the file or the user's input
    for (const Binding& b : Bindings) {
        if (b.property == p && b.matches(o))
            return &b;
    }
    return nullptr;
}

void collect(QObject* parent, QList<QObject*>& out)
{
    QObjectList children = parent->children();
    // A stacked widget raises its current page, which moves it among its children: take the
    // pages in their own order.
    if (auto* stack = qobject_cast<QStackedWidget*>(parent)) {
        QObjectList pages;
        for (int i = 0; i < stack->count(); ++i)
            pages.append(stack->widget(i));
        for (QObject* c : std::as_const(children)) {
            if (!pages.contains(c))
                pages.append(c);
        }
        children = pages;
    }
    for (QObject* child : std::as_const(children)) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget))
            continue; // another window, translated on its own
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            out.append(child);
        collect(child, out);
    }
}

QString lineBreaksToMarks(QString text)
{
    text.replace(QLatin1String("\r\n"), LineBreakMark);
    text.replace(QLatin1Char('\n'), LineBreakMark);
    return text;
}

} // namespace

TFormTranslator::TFormTranslator(const QString& exeDir, const QString& iniPath, Dialogs& dialogs)
    : m_exeDir(exeDir)
    , m_iniPath(iniPath)
    , m_dialogs(dialogs)
{}

QString TFormTranslator::templatePath() const
{
    if (!m_templateOnly.isEmpty())
        return m_templateOnly;
    return QDir::toNativeSeparators(QDir::cleanPath(m_exeDir + QStringLiteral("/Language.lng")));
}

QList<QObject*> TFormTranslator::components(QWidget* window)
{
    QList<QObject*> found;
    collect(window, found);
    // Components never seen before are numbered after all known ones, in tree order; sorting by
    // number then keeps every earlier order however widgets have been raised since. Each number
    // is read once: a dynamic property is looked up by name, too slow for a sort's comparisons.
    std::vector<std::pair<qlonglong, QObject*>> numbered;
    numbered.reserve(size_t(found.size()));
    qlonglong last = 0;
    for (QObject* c : std::as_const(found)) {
        const QVariant order = c->property(OrderProperty);
        numbered.emplace_back(order.isValid() ? order.toLongLong() : 0, c);
        last = std::max(last, numbered.back().first);
    }
    for (auto& [order, c] : numbered) {
        if (order == 0) {
            order = ++last;
            c->setProperty(OrderProperty, order);
        }
    }
    std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<QObject*> ordered;
    ordered.reserve(found.size());
    for (const auto& entry : numbered)
        ordered.append(entry.second);
    return ordered;
}

namespace {

// The texts of `part` (the window itself unless given) as the entries of the window's language
// file, in the order of the components.
QList<IniFile::Entry> textsOf(QWidget* window, QWidget* part = nullptr)
{
    const QString prefix = window->objectName() + QLatin1Char('.');
    QList<IniFile::Entry> entries;
    for (QObject* component : TFormTranslator::components(part ? part : window)) {
        for (Property p : AllProperties) {
            const Binding* binding = bindingOf(component, p);
            if (!binding)
                continue;
            const QString text = lineBreaksToMarks(binding->get(component));
            if (text.isEmpty() || (p == Property::Caption && text == QLatin1String("-")))
                continue;
            entries.append({prefix + component->objectName() + QLatin1Char('.') + propertyName(p), text});
        }
    }
    return entries;
}

// Each entry of `path` that names a component of the window `windowName`, as (component,
// property, text) with "~~" made a line break.
template <typename Use>
void forEachTranslation(const QString& path, const QString& windowName, Use use)
{
    for (const IniFile::Entry& entry : IniFile::readSection(path, TranslationsSection)) {
        const QString& key = entry.first;
        const qsizetype dot = key.indexOf(QLatin1Char('.'));
        if (dot < 0 || QStringView(key).first(dot) != windowName)
            continue;
        const qsizetype dot2 = key.indexOf(QLatin1Char('.'), dot + 1);
        if (dot2 < 0)
            continue;
        QString text = entry.second;
        use(key.sliced(dot + 1, dot2 - dot - 1), QStringView(key).sliced(dot2 + 1),
            text.replace(LineBreakMark, QLatin1String("\r\n")));
    }
}

} // namespace

bool TFormTranslator::ExportTexts(QWidget* window, const QString& path, QString* error)
{
    return IniFile::writeKeys(path, TranslationsSection, textsOf(window), error);
}

namespace {

// Sets the components' texts from the entries of `path` for the window `windowName`.
void applyTo(const QString& windowName, const QList<QObject*>& components, const QString& path)
{
    QHash<QString, QObject*> byName;
    bool listed = false;
    forEachTranslation(path, windowName, [&](const QString& name, QStringView property, const QString& text) {
        if (!listed) {
            listed = true;
            for (QObject* c : components) {
                const QString folded = c->objectName().toCaseFolded();
                if (!byName.contains(folded))
                    byName.insert(folded, c);
            }
        }
        QObject* component = byName.value(name.toCaseFolded());
        if (!component)
            return;
        for (Property p : AllProperties) {
            if (property.compare(propertyName(p), Qt::CaseInsensitive) != 0)
                continue;
            if (const Binding* binding = bindingOf(component, p))
                binding->set(component, text);
        }
    });
}

QList<IniFile::Entry> catalogEntries(const MessageCatalog& catalog, const QString& windowName)
{
    const QString prefix = windowName + QLatin1Char('.');
    QList<IniFile::Entry> entries;
    for (const auto& [key, text] : catalog.entries())
        entries.append({prefix + key + QLatin1String(".Caption"), lineBreaksToMarks(text)});
    return entries;
}

} // namespace

void TFormTranslator::ApplyTranslations(QWidget* window, const QString& path)
{
    applyTo(window->objectName(), components(window), path);
}

template <typename Apply>
void TFormTranslator::translateNamed(const QString& windowName, const QList<std::pair<QString, QString>>& entries,
                                     Apply apply, bool remember)
{
    LanguageFile = templatePath();
    QString error;
    if (!IniFile::writeKeys(LanguageFile, TranslationsSection, entries, &error))
        reportOnce(error);

    if (!m_templateOnly.isEmpty())
        return;
    const QString named = IniFile::readKey(m_iniPath, LanguageSection, windowName);
    if (!named.isEmpty())
        LanguageFile = named;
    if (QFileInfo(LanguageFile).isFile())
        apply(LanguageFile);

    if (remember && !IniFile::writeKey(m_iniPath, LanguageSection, windowName, LanguageFile, &error))
        reportOnce(error);
}

void TFormTranslator::TranslateForm(QWidget* window)
{
    translateNamed(window->objectName(), textsOf(window),
                   [this, window](const QString& file) { ApplyTranslations(window, file); });
}

void TFormTranslator::TranslateFormAs(QWidget* window, const QString& asWindow)
{
    translateNamed(
        asWindow, textsOf(window), [this, window](const QString& file) { ApplyTranslations(window, file); }, false);
}

void TFormTranslator::TranslateCatalog(MessageCatalog& catalog, const QString& windowName)
{
    translateNamed(windowName, catalogEntries(catalog, windowName), [&catalog, &windowName](const QString& file) {
        catalog.resetToEnglish(); // a key the file lacks speaks English, not the language before
        forEachTranslation(file, windowName, [&catalog](const QString& key, QStringView property, const QString& text) {
            if (property.compare(QLatin1String("Caption"), Qt::CaseInsensitive) == 0)
                catalog.setText(key, text);
        });
    });
}

void TFormTranslator::TranslatePart(QWidget* window, QWidget* part)
{
    translateNamed(
        window->objectName(), textsOf(window, part),
        [window, part](const QString& file) { applyTo(window->objectName(), components(part), file); }, false);
}

void TFormTranslator::writeTemplateOnly(const QString& path)
{
    m_templateOnly = path;
}

void TFormTranslator::reportOnce(const QString& error)
{
    if (m_firstError.isEmpty())
        m_firstError = error;
    if (!m_templateOnly.isEmpty())
        return;
    if (m_reported)
        return;
    m_reported = true;
    m_dialogs.error(error);
}
