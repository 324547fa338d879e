// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QObject>

#include "orders/language/order_finding.h"
#include "orders/language/order_scope.h"

class QCompleter;
class QPlainTextEdit;
class QStringListModel;
class QTimer;

namespace maprune {

class OrderGrammar;

// The order language of the program's game data, read once.
const OrderGrammar& ProgramOrderGrammar();

// What an orders editor knows of the game: every finding of the check
// underlined (red for errors, orange for warnings) with its message as the
// tooltip, beside them the order checker's messages at their lines, and the
// completion list (Ctrl+Space, and after a command word and a blank). It
// only shows: the text stays the player's.
class TOrderAssist : public QObject {
    Q_OBJECT
public:
    // The findings of the editor's lines (UTF-8).
    using Check = std::function<std::vector<OrderFinding>(const std::vector<std::string>& lines)>;
    // The scope of the orders at a line, for the completion.
    using ScopeAt = std::function<OrderScope(const std::vector<std::string>& lines, int line)>;

    TOrderAssist(QPlainTextEdit& editor, Check check, ScopeAt scope);

    // Messages from elsewhere (the order checker's) shown with the findings.
    void SetOtherFindings(std::vector<OrderFinding> findings);
    // Checks the text now (it is checked a moment after each change anyway).
    void Recheck();
    const std::vector<OrderFinding>& Findings() const { return FFindings; }
    // Opens the completion list at the cursor; false when nothing fits.
    bool Complete();
    QCompleter& Completer() const { return *FCompleter; }

    // The messages of the findings at a line and column (UTF-16 units).
    QString MessagesAt(int line, int column) const;

signals:
    // The findings are new.
    void checked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::string> Lines() const;
    void Underline();
    void Insert(int row);
    void AfterKey(const QString& typed);

    QPlainTextEdit& FEditor;
    Check FCheck;
    ScopeAt FScope;
    QTimer* FTimer = nullptr;
    QCompleter* FCompleter = nullptr;
    // The editor's viewport, kept so that events during the editor's
    // destruction are told apart without calling into the half-destroyed editor.
    QObject* FViewport = nullptr;
    QStringListModel* FModel = nullptr;
    std::vector<OrderFinding> FFindings; // of the check, then the others
    std::vector<OrderFinding> FOthers;
    std::vector<std::string> FInsertions; // the candidates' texts
    int FLine = 0; // where the completion inserts
    size_t FBegin = 0;
    size_t FEnd = 0;
};

// A column of a line in UTF-16 units from one in UTF-8 bytes.
int TextColumn(const QString& line, size_t byte);

} // namespace maprune
