#include "subjects/uDicSubject.h"

#include "data/uClassData.h"
#include "data/uPublic.h"
#include "platform/Application.h"
#include "shell/dbmodule.h"
#include "subjects/uWasteItemEdit.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

TfrmDicSubject* frmDicSubject = nullptr;

namespace {

enum class Glyph { Plus, Pencil, Exit };

// A round badge with a white glyph, drawn at the sizes a button asks for.
QIcon BadgeIcon(const QColor& color, Glyph glyph)
{
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        switch (glyph) {
        case Glyph::Plus:
            painter.drawLine(QPointF(8, 4), QPointF(8, 12));
            painter.drawLine(QPointF(4, 8), QPointF(12, 8));
            break;
        case Glyph::Pencil:
            painter.drawLine(QPointF(5, 11), QPointF(11, 5));
            painter.setPen(QPen(Qt::white, 1.2));
            painter.drawLine(QPointF(4, 12), QPointF(6.5, 12));
            break;
        case Glyph::Exit: {
            QPainterPath arrow;
            arrow.moveTo(12, 8);
            arrow.lineTo(4.5, 8);
            arrow.moveTo(7.5, 5);
            arrow.lineTo(4.5, 8);
            arrow.lineTo(7.5, 11);
            painter.drawPath(arrow);
            break;
        }
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

TfrmDicSubject::TfrmDicSubject(QWidget* parent)
    : Form(parent), lb_subject(new platform::IdListBox(this)),
      btn_new(new QPushButton(QStringLiteral("新增"), this)),
      btn_modi(new QPushButton(QStringLiteral("修改"), this)),
      btn_close(new QPushButton(QStringLiteral("离开"), this)),
      m_sql(QStringLiteral("SELECT ID,NAME FROM T_WASTE_BOOK_TYPE"))
{
    setWindowTitle(QStringLiteral("科目字典"));
    QFont bold = lb_subject->font();
    bold.setBold(true);
    lb_subject->setFont(bold);
    lb_subject->setSortingEnabled(false);
    lb_subject->setAccessibleName(windowTitle());
    btn_new->setIcon(BadgeIcon(QColor(0x2e, 0x8b, 0x57), Glyph::Plus));
    btn_modi->setIcon(BadgeIcon(QColor(0x1e, 0x6f, 0xb8), Glyph::Pencil));
    btn_close->setIcon(BadgeIcon(QColor(0xb0, 0x3a, 0x2e), Glyph::Exit));
    for (QPushButton* button : {btn_new, btn_modi, btn_close})
        button->setAutoDefault(false);
    BuildLayout();

    platform::Application::On(btn_new, &QPushButton::clicked, this, [this] { btn_newClick(); });
    platform::Application::On(btn_modi, &QPushButton::clicked, this, [this] { btn_modiClick(); });
    platform::Application::On(btn_close, &QPushButton::clicked, this, [this] { btn_closeClick(); });
}

void TfrmDicSubject::BuildLayout()
{
    lb_subject->setFixedSize(220, 280);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btn_new);
    buttons->addWidget(btn_modi);
    buttons->addStretch();
    buttons->addWidget(btn_close);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lb_subject);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(lb_subject, btn_new);
    setTabOrder(btn_new, btn_modi);
    setTabOrder(btn_modi, btn_close);
}

void TfrmDicSubject::FormShow()
{
    ListSubjects();
    lb_subject->setFocus();
}

void TfrmDicSubject::ListSubjects() { FillIdNameList(m_sql, *lb_subject); }

QString TfrmDicSubject::StoredKind(const QString& id)
{
    OpenQuery(DM->temQry, QStringLiteral("SELECT IN_OUT FROM T_WASTE_BOOK_TYPE WHERE ID=") + id);
    return DM->temQry->Fields(0).AsString();
}

void TfrmDicSubject::btn_newClick()
{
    frmWasteTypeEdit->SetSubject(QString(), QStringLiteral("支出"));
    if (frmWasteTypeEdit->ShowModal() != platform::mrOk)
        return;
    FinanceItem->AddSubject(frmWasteTypeEdit->SubjectName, frmWasteTypeEdit->SubjectInOut);
    ListSubjects();
}

void TfrmDicSubject::btn_modiClick()
{
    const QList<QListWidgetItem*> selected = lb_subject->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = lb_subject->row(selected.first());
    const QString id = QString::number(lb_subject->IdAt(row));
    // The editor opens on the subject's stored kind, so that a new name alone
    // never turns an income subject into an expense one.
    frmWasteTypeEdit->SetSubject(lb_subject->item(row)->text(), StoredKind(id));
    if (frmWasteTypeEdit->ShowModal() != platform::mrOk)
        return;
    FinanceItem->ModifySubject(id, frmWasteTypeEdit->SubjectName, frmWasteTypeEdit->SubjectInOut);
    ListSubjects();
}

void TfrmDicSubject::btn_closeClick() { SetModalResult(platform::mrCancel); }
