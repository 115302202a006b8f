// Shader programs built from a vertex and a fragment shader text stored as TEXTFILE resources,
// and the registry of programs by name. Needs the GL context current and the commands loaded.
#pragma once

#include <map>
#include <string>

#include "render/gl.h"

class GLFWProgram {
 public:
  GLFWProgram(unsigned short vertexResourceId, unsigned short fragmentResourceId);
  ~GLFWProgram();
  GLFWProgram(const GLFWProgram&) = delete;
  GLFWProgram& operator=(const GLFWProgram&) = delete;

  GLuint getProgramId() const { return programId; }
  void use();

  // Locations by name through one cache shared by uniforms and attributes: the GL is asked once
  // per name, and whichever kind asked first decides the answer (-1 included).
  GLint getUniformLocation(const char* name) { return getLocation(0, name); }
  GLint getAttribLocation(const char* name) { return getLocation(1, name); }
  GLint getLocation(int kind, const char* name);

  // Sets sampler `uniformName` to `unit` and binds `texture` there; the program must be current.
  void bindTexture(const char* uniformName, int unit, GLuint texture);

  // The TEXTFILE text up to its first '~', then four zero bytes. False when the resource is
  // missing or holds no '~' within `capacity` bytes; nothing is written past capacity + 4.
  static bool readResourceText(unsigned short resourceId, char* destination, std::size_t capacity);
  static void showShaderLog(GLuint shader);

  char* vertexSource = nullptr;
  char* fragmentSource = nullptr;
  GLuint vertexShader = 0;
  GLuint fragmentShader = 0;
  GLuint programId = 0;
  std::map<std::string, GLint> locationCache;

 private:
  void readText(unsigned short resourceId, char* destination);
  GLuint compile(GLenum type, const char* text, const char* failureText);
};

class GLFWProgramManager {
 public:
  GLFWProgramManager() = default;
  ~GLFWProgramManager();
  GLFWProgramManager(const GLFWProgramManager&) = delete;
  GLFWProgramManager& operator=(const GLFWProgramManager&) = delete;

  // A name already taken keeps its first program.
  void addProgram(const char* name, unsigned short vertexResourceId, unsigned short fragmentResourceId);
  GLFWProgram* getProgram(const char* name);
  GLuint getProgramId(const char* name);
  // Does nothing for a name that is not registered.
  void useProgram(const char* name);

  std::map<std::string, GLuint> programIds;
  std::map<std::string, GLFWProgram*> programs;
};
