#include "change_marks.h"

#include <QWidget>

#include "compare/comparison.h"
#include "compare/comparison_report.h"
#include "compare/record_changes.h"
#include "ui/widgets/wait_cursor.h"
#include "ui/window/catalogue_session.h"
#include "ui/window/header_panel.h"
#include "ui/window/page_lists.h"

ChangeMarks::ChangeMarks(const CatalogueSession& session, PageLists& lists, HeaderPanel& header,
                         QWidget* window)
    : QObject(window), session_(session), lists_(lists), header_(header) {
    setObjectName(QStringLiteral("change_marks"));
    connect(&session, &CatalogueSession::catalogue_replaced, this, &ChangeMarks::on_reading);
}

void ChangeMarks::on_reading(const std::shared_ptr<const torvane::Catalogue>& previous,
                             bool same_file) {
    if (!same_file) {
        lists_.mark_changes(nullptr);
        header_.show_changes(QString());
        return;
    }
    const WaitCursor busy;
    const torvane::CatalogueComparison comparison =
        torvane::compare_catalogues(*previous, *session_.catalogue());
    lists_.mark_changes(
        std::make_shared<const torvane::RecordChanges>(session_.catalogue(), comparison));
    header_.show_changes(QString::fromUtf8(torvane::comparison_summary(comparison)));
}
