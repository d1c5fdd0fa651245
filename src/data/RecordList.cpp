#include "RecordList.h"

#include "ScheduleHelper.h"

int RecordList::append()
{
    m_bytes.append(m_size, '\0');
    return count();
}

void RecordList::append(const char *bytes)
{
    m_bytes.append(bytes, m_size);
}

void RecordList::removeMovingLast(int i)
{
    const int last = count();
    if (i < 1 || i > last)
        return;
    if (i != last)
        std::memcpy(record(i), record(last), size_t(m_size));
    m_bytes.chop(m_size);
}

void RecordList::load(const QString &path)
{
    m_bytes = ScheduleHelper::RecordsFromFileBytes(ScheduleHelper::ReadFileBytes(path), m_size);
}

void RecordList::save(const QString &path) const
{
    ScheduleHelper::WriteFileBytes(path, m_bytes);
}
