#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <map>

#include "messagetext.h"

namespace quorvel {
namespace {

const char* const CONTEXT = "Message";

/// Whether a catalogue of ours is installed: without one every message stays as it is.
bool translating = false;

/// The pattern as an expression that captures its values: "%1 of %2" -> "^(.*) of (.*)$".
QRegularExpression patternexpression(const QString& pattern, QList<int>& order) {
    static const QRegularExpression marker("%([1-9])");
    QString expression = "^";
    qsizetype from = 0;
    for (auto it = marker.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        expression += QRegularExpression::escape(pattern.mid(from, m.capturedStart() - from)) + "(.*)";
        order << m.captured(1).toInt();
        from = m.capturedEnd();
    }
    return QRegularExpression(expression + QRegularExpression::escape(pattern.mid(from)) + "$");
}

/// A pattern's expression and the numbers of its values in their order,
/// made once for each pattern (messages are translated as the mouse moves).
struct CompiledPattern {
    QRegularExpression expression;
    QList<int> order;
};

const CompiledPattern& compiled(const std::string& pattern) {
    static std::map<std::string, CompiledPattern> made;
    auto it = made.find(pattern);
    if (it == made.end()) {
        CompiledPattern c;
        c.expression = patternexpression(QString::fromStdString(pattern), c.order);
        it = made.emplace(pattern, std::move(c)).first;
    }
    return it->second;
}

/// The translated pattern with each %n replaced by value n.
QString fill(const QString& pattern, const QStringList& values) {
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int n = i + 1 < pattern.size() && pattern[i] == '%' ? pattern[i + 1].digitValue() : 0;
        if (n >= 1 && n <= values.size()) {
            out += values[n - 1];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

/// The patterns with the most words of their own first, so that "cannot read
/// the log %1: %2" is tried before "cannot read %1: %2".
std::vector<std::string> mostliteralfirst(std::vector<std::string> patterns) {
    auto literal = [](const std::string& p) { return p.size() - 2 * std::count(p.begin(), p.end(), '%'); };
    std::stable_sort(patterns.begin(), patterns.end(),
                     [&](const std::string& a, const std::string& b) { return literal(a) > literal(b); });
    return patterns;
}

/// The patterns filled so far in the order they are tried, sorted again only
/// when new ones have been filled (messages are translated as the mouse moves).
const std::vector<std::string>& patternsinorder() {
    static std::vector<std::string> sorted;
    if (filledcount() != sorted.size()) sorted = mostliteralfirst(filledpatterns());
    return sorted;
}

}  // namespace

QString installtranslations(const QLocale& locale) {
    static QTranslator own, qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    translating = false;
    for (const QString& tag : locale.uiLanguages()) {
        const QString language = QLocale(tag).name().section('_', 0, 0);
        if (language == "en" || language == "C") return {};
        if (!own.load("quorvel_" + language, ":/i18n")) continue;
        QCoreApplication::installTranslator(&own);
        translating = true;
        if (qt.load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        return language;
    }
    return {};
}

QString translatemessage(const std::string& english) {
    const QString text = QString::fromStdString(english);
    if (!translating) return text;
    const QString whole = QCoreApplication::translate(CONTEXT, english.c_str());
    if (whole != text) return whole;
    if (text.contains('\n')) {  // messages of several lines, one after the other
        QStringList lines = text.split('\n');
        for (QString& line : lines) line = translatemessage(line.toStdString());
        return lines.join('\n');
    }
    for (const std::string& pattern : patternsinorder()) {
        const auto& [expression, order] = compiled(pattern);
        const QRegularExpressionMatch m = expression.match(text);
        if (order.isEmpty() || !m.hasMatch()) continue;
        // Patterns the same in every language ("%1: %2") still have their values translated.
        const QString translated = QCoreApplication::translate(CONTEXT, pattern.c_str());
        QStringList values(*std::max_element(order.begin(), order.end()));
        for (qsizetype i = 0; i < order.size(); ++i) {
            const QString value = m.captured(static_cast<int>(i) + 1);
            // A value is translated in turn when it is a message (shorter than this one).
            values[order[i] - 1] = value.size() < text.size() ? translatemessage(value.toStdString()) : value;
        }
        return fill(translated, values);
    }
    return text;
}

QString translatedsentence(const std::string& english) {
    QString shown = translatemessage(english);
    if (shown.isEmpty()) return shown;
    shown[0] = shown[0].toUpper();
    return shown.endsWith('.') ? shown : shown + '.';
}

}  // namespace quorvel
