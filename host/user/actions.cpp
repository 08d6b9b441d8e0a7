#include "host/user/actions.h"

#include "host/core/diagnostics.h"
#include "host/plugins/registry.h"
#include "host/resources/resource.h"
#include "host/scene/node.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace surfax::user
{
using namespace cinema;

namespace
{
std::deque<bool> g_answers;
bool g_defaultAnswer = false;
std::vector<std::string> g_questions;
bool g_openFiles = false;
std::vector<std::string> g_opened;

const resources::ParamDesc* FindParam(const BaseObject* op, Int32 id)
{
	const HostNode& n = Host(op);
	if (n.objectType == nullptr || n.objectType->description == nullptr)
		return nullptr;
	return n.objectType->description->FindParam(id);
}

Float Clamp(Float v, const resources::ParamDesc& p)
{
	if (p.min && v < *p.min)
		v = *p.min;
	if (p.max && v > *p.max)
		v = *p.max;
	return v;
}

bool FitsType(const resources::ParamDesc& p, const GeData& value)
{
	const Int32 t = value.GetType();
	switch (p.type)
	{
	case resources::ParamType::Long:
	case resources::ParamType::Real:
	case resources::ParamType::Bool:
		return t == DA_LONG || t == DA_REAL || t == DA_LLONG;
	case resources::ParamType::String:
		return t == DA_STRING;
	case resources::ParamType::Vector:
	case resources::ParamType::Color:
		return t == DA_VECTOR;
	case resources::ParamType::Gradient:
		return t == CUSTOMDATATYPE_GRADIENT;
	case resources::ParamType::Font:
		return t >= DA_CUSTOMDATATYPE;
	case resources::ParamType::Filename:
		return t == DA_FILENAME || t == DA_STRING;
	default:
		return false;
	}
}
} // namespace

bool SetParameter(BaseObject* op, Int32 id, const GeData& value, std::string& error, Clamping* clamping)
{
	if (op == nullptr)
	{
		error = "no object";
		return false;
	}
	const resources::ParamDesc* p = FindParam(op, id);
	if (p == nullptr)
	{
		error = "the object has no parameter " + std::to_string(id);
		return false;
	}
	if (!FitsType(*p, value))
	{
		error = "the value does not fit parameter " + p->symbol + " (" + resources::ParamTypeKeyword(p->type) + ")";
		return false;
	}
	GeData stored = value;
	bool clamped = false;
	switch (p->type)
	{
	case resources::ParamType::Long:
	{
		Float v = Clamp(static_cast<Float>(value.GetInt64()), *p);
		stored = GeData(static_cast<Int32>(std::clamp<Float>(v, -2147483648.0, 2147483647.0)));
		clamped = stored.GetInt64() != value.GetInt64();
		break;
	}
	case resources::ParamType::Real:
		stored = GeData(Clamp(value.GetFloat(), *p));
		clamped = stored.GetFloat() != value.GetFloat() && value.GetFloat() == value.GetFloat();
		break;
	case resources::ParamType::Bool:
		stored = GeData(value.GetBool());
		break;
	case resources::ParamType::Vector:
	case resources::ParamType::Color:
	{
		const Vector v = value.GetVector();
		const Vector used(Clamp(v.x, *p), Clamp(v.y, *p), Clamp(v.z, *p));
		stored = GeData(used);
		clamped = (used.x != v.x && v.x == v.x) || (used.y != v.y && v.y == v.y) || (used.z != v.z && v.z == v.z);
		break;
	}
	default:
		break;
	}
	if (clamping != nullptr)
	{
		clamping->clamped = clamped;
		clamping->used = clamped ? stored : GeData();
	}
	const DescID descId = ConstDescID(DescLevel(id));
	op->SetParameter(descId, stored, DESCFLAGS_SET::USERINTERACTION);
	DescriptionPostSetValue post;
	post.descid = &descId;
	post.flags = DESCFLAGS_SET::USERINTERACTION;
	op->Message(MSG_DESCRIPTION_POSTSETPARAMETER, &post);
	DescriptionCheckUpdate check;
	check.doc = op->GetDocument();
	check.descid = &descId;
	op->Message(MSG_DESCRIPTION_CHECKUPDATE, &check);
	return true;
}

bool PressButton(BaseObject* op, Int32 id)
{
	if (op == nullptr)
		return false;
	DescriptionCommand command;
	command._descId = ConstDescID(DescLevel(id));
	return op->Message(MSG_DESCRIPTION_COMMAND, &command);
}

BaseObject* CreateObjectFromMenu(BaseDocument* doc, Int32 type)
{
	if (doc == nullptr)
		return nullptr;
	BaseObject* op = BaseObject::Alloc(type);
	if (op == nullptr)
		return nullptr;
	doc->InsertObject(op, nullptr, nullptr);
	op->Message(MSG_MENUPREPARE, doc);
	return op;
}

bool DragHandle(BaseObject* op, Int32 index, const Vector& position, std::string& error)
{
	if (op == nullptr)
	{
		error = "no object";
		return false;
	}
	ObjectData* data = static_cast<ObjectData*>(Host(op).nodeData);
	const Int32 count = data != nullptr ? data->GetHandleCount(op) : 0;
	if (index < 0 || index >= count)
	{
		error =
		    "the object has " + (count == 0   ? std::string("no handles")
		                         : count == 1 ? std::string("one handle, 0")
		                                      : std::to_string(count) + " handles, 0 to " + std::to_string(count - 1));
		return false;
	}
	HandleInfo info;
	data->GetHandle(op, index, info);
	data->SetHandle(op, index, position, info);
	return true;
}

void ToggleEnabled(BaseObject* op)
{
	if (op == nullptr)
		return;
	op->SetDeformMode(!op->GetDeformMode());
	op->Message(MSG_DEFORMMODECHANGED);
}

void SetFrame(BaseDocument* doc, Int32 frame)
{
	if (doc != nullptr)
		doc->SetTime(BaseTime(static_cast<Float>(frame), static_cast<Float>(doc->GetFps())));
}

void QueueAnswers(const std::vector<bool>& answers)
{
	g_answers.insert(g_answers.end(), answers.begin(), answers.end());
}

void SetDefaultAnswer(bool yes)
{
	g_defaultAnswer = yes;
}

void ClearAnswers()
{
	g_answers.clear();
	g_defaultAnswer = false;
}

const std::vector<std::string>& QuestionsAsked()
{
	return g_questions;
}

void ClearQuestions()
{
	g_questions.clear();
}

void SetOpenFiles(bool open)
{
	g_openFiles = open;
}

const std::vector<std::string>& FilesOpened()
{
	return g_opened;
}

void ClearFilesOpened()
{
	g_opened.clear();
}

bool NextAnswer(const std::string& question)
{
	g_questions.push_back(question);
	bool answer = g_defaultAnswer;
	if (!g_answers.empty())
	{
		answer = g_answers.front();
		g_answers.pop_front();
	}
	core::Report("question: \"" + question + "\" answered " + (answer ? "yes" : "no"));
	return answer;
}

bool OpenFile(const std::string& path)
{
	g_opened.push_back(path);
	std::error_code ec;
	if (!std::filesystem::exists(path, ec))
	{
		core::Report("open " + path + ": no such file");
		return false;
	}
	if (!g_openFiles)
	{
		core::Report("open " + path + " (not opened: opening files is off)");
		return true;
	}
	const pid_t pid = fork();
	if (pid == 0)
	{
		execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
		_exit(127);
	}
	if (pid < 0)
		return false;
	int status = 0;
	waitpid(pid, &status, 0);
	const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
	if (!ok)
		core::Report("open " + path + ": no application to open it (xdg-open failed)");
	return ok;
}
} // namespace surfax::user

namespace cinema
{
Bool QuestionDialog(const maxon::String& str)
{
	return surfax::user::NextAnswer(str.GetUtf8());
}

void MessageDialog(const maxon::String& str)
{
	surfax::core::Report("message: " + str.GetUtf8());
}

Bool GeExecuteFile(const Filename& path)
{
	return surfax::user::OpenFile(path.GetString().GetUtf8());
}

Bool GeFExist(const Filename& name, Bool isdir)
{
	std::error_code ec;
	const std::filesystem::path p(name.GetString().GetUtf8());
	return isdir ? std::filesystem::is_directory(p, ec) : std::filesystem::is_regular_file(p, ec);
}
} // namespace cinema
