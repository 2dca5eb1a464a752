#pragma once

#include "ProgramFixture.h"

#include "catalogue/uDeptEdit.h"
#include "catalogue/uEdit.h"
#include "data/uPublic.h"
#include "platform/Form.h"
#include "shell/Main.h"

#include <QTreeWidget>

// The program over a fresh database, with helpers to build the association tree
// and to pick its nodes as the user does.
class CatalogueTest : public ProgramTest {
protected:
    void ShowTree() { frmMain->LoadDeptTree(); }

    QTreeWidgetItem* Node(const QString& name) const
    {
        const auto found = frmMain->TreeDept->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    void Select(const QString& name)
    {
        QTreeWidgetItem* node = Node(name);
        ASSERT_NE(node, nullptr) << name.toStdString();
        frmMain->TreeDept->setCurrentItem(node);
    }

    // Every row of the catalogue as one text, to tell whether anything was written.
    QString Catalogue()
    {
        return Scalar(QStringLiteral("SELECT GROUP_CONCAT(ID || '|' || NAME || '|' || UPID || '|' ||"
                                     " IFNULL(MANAGER,'') || '|' || IFNULL(FOUND_DATE,''), ';')"
                                     " FROM (SELECT * FROM T_DEPT ORDER BY ID)"))
            .toString();
    }

    QString Stored(const QString& column, int id)
    {
        return Scalar(QStringLiteral("SELECT %1 FROM T_DEPT WHERE ID=%2").arg(column).arg(id)).toString();
    }

    // Scripts the next modal form as "OK pressed after the action".
    template <typename FormType, typename Action>
    void OnModalOk(Action action)
    {
        Desktop().OnModal([action](platform::Form& form) {
            auto& typed = static_cast<FormType&>(form);
            action(typed);
            typed.btn_OKClick();
        });
    }
};
